// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/CertificateText.h"

#include "core/Grading.h"
#include "core/NumberText.h"
#include "core/PupilName.h"
#include "core/SessionRecord.h"

namespace CertificateText {

QString motiveLine()
{
    return QStringLiteral("per aver  conseguito l'obiettivo");
}

QString objectiveLine()
{
    return QStringLiteral("Saper eseguire le sottrazioni");
}

QString rangeLine(int low, int high)
{
    return QStringLiteral(" Numeri da ") + NumberText::strForm(low) + QStringLiteral(" a")
        + NumberText::strForm(high);
}

QString countLine(int right, int judged)
{
    return QStringLiteral("Per aver dato ") + NumberText::plainForm(right)
        + QStringLiteral(" risposte esatte su ") + NumberText::plainForm(judged);
}

QString dateLine(const QString &shortDate)
{
    return QStringLiteral("Data        ") + shortDate;
}

QString modeInWords(const QString &modeCaption)
{
    QString words = modeCaption.simplified();
    words.replace(QStringLiteral("minuen."), QStringLiteral("minuendo"));
    words.replace(QStringLiteral("sottr."), QStringLiteral("sottraendo"));
    words.replace(QStringLiteral("differ."), QStringLiteral("differenza"));
    words.replace(QStringLiteral(" / "), QStringLiteral(" o "));
    words.replace(QLatin1Char('/'), QStringLiteral(" o "));
    return words;
}

QString gradeInWords(int grade, const QString &gradeText)
{
    QString word = gradeText.toLower();
    // "(!)": sufficient, only just.
    if (word.endsWith(QStringLiteral(" (!)")))
        word = QStringLiteral("appena ") + word.chopped(4);
    return QStringLiteral("Valutazione: %1, %2 su 10.").arg(word).arg(grade);
}

QString printCaption(bool printable)
{
    return printable ? QStringLiteral("STAMPA  L'ATTESTATO ")
                     : QStringLiteral("ATTESTATO NON STAMPABILE");
}

CertificateTexts certificateTexts(
    SessionRecord &session, const QString &shortDate, const QLocale &locale)
{
    session.PupilName = PupilName::capitalised(session.PupilName, locale);

    const int judged = Grading::judgedOperations(session);
    session.Grade = Grading::grade(session.RightCount, judged);
    session.GradeText = Grading::gradeText(session.Grade);

    CertificateTexts texts;
    texts.date = dateLine(shortDate);
    texts.name = session.PupilName;
    texts.motive = motiveLine();
    texts.objective = objectiveLine();
    texts.mode = session.ModeCaption;
    texts.range = rangeLine(session.RangeLow, session.RangeHigh);
    texts.gradeWord = session.GradeText;
    texts.spokenMode = modeInWords(session.ModeCaption);
    texts.spokenGrade = gradeInWords(session.Grade, session.GradeText);
    texts.printable = Grading::isPrintable(session.GradeText);
    texts.printCaption = printCaption(texts.printable);
    texts.count = countLine(session.RightCount, judged);
    return texts;
}

} // namespace CertificateText
