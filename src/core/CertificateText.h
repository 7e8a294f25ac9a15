// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QLocale>
#include <QString>

struct SessionRecord;

// Every text the certificate shows, as the last activation worked it out.
struct CertificateTexts
{
    QString name; // lblNome
    QString motive; // lblMotivo
    QString objective; // lblObiettivo1
    QString mode; // lblObiettivo3
    QString range; // lblObiettivo2
    QString gradeWord; // lblRapporto
    QString count; // lblPerche
    QString date; // lblData
    QString spokenMode; // the mode without abbreviations, for a screen reader
    QString spokenGrade; // "Valutazione: buono, 7 su 10."
    bool printable = false;
    QString printCaption; // Command2
};

namespace CertificateText {

QString motiveLine(); // "per aver  conseguito l'obiettivo"
QString objectiveLine(); // "Saper eseguire le sottrazioni"
// " Numeri da " + Str(low) + " a" + Str(high): " Numeri da  1 a 10".
QString rangeLine(int low, int high);
// "Per aver dato 35 risposte esatte su 40".
QString countLine(int right, int judged);
// "Data" and eight blanks before the date.
QString dateLine(const QString &shortDate);
// The mode banner as a screen reader should say it: "Calcola il minuendo, sottraendo, resto o
// differenza secondo richiesta".
QString modeInWords(const QString &modeCaption);
// The grade word with the mark: "Valutazione: appena sufficiente, 5 su 10."
QString gradeInWords(int grade, const QString &gradeText);
// "STAMPA  L'ATTESTATO " when the certificate can be printed, "ATTESTATO NON STAMPABILE" else.
QString printCaption(bool printable);

// Works the certificate out from the session record. Writes back the capitalised PupilName,
// Grade and GradeText, as every activation of the certificate does.
CertificateTexts certificateTexts(
    SessionRecord &session, const QString &shortDate, const QLocale &locale);

} // namespace CertificateText
