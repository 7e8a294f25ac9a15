// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/CertificateText.h"
#include "core/Grading.h"
#include "core/PupilName.h"
#include "core/SessionRecord.h"

#include <QTest>

namespace {

// A record as the exercise screen leaves it once the answer is judged: the question, the
// typed answer in brackets, the mark, the seconds and " Tp".
const QString JudgedRecord = QStringLiteral("15 -  7 =  ?   ( 8)   6 Tp");
// The same operation still on screen, waiting for its answer.
const QString OpenRecord = QStringLiteral("15 -  7 =  ?");

// A session with `judged` operations answered (`right` of them right) and, when asked, one
// more on screen.
SessionRecord sessionWith(int right, int judged, bool oneMoreOnScreen)
{
    SessionRecord session;
    session.PupilName = QStringLiteral("Anna");
    session.RangeLow = 1;
    session.RangeHigh = 10;
    session.RightCount = right;
    for (int i = 1; i <= judged; ++i)
        session.OpRecords[i] = JudgedRecord;
    session.OpCount = judged;
    if (oneMoreOnScreen)
        session.OpRecords[++session.OpCount] = OpenRecord;
    return session;
}

} // namespace

class TestGrading : public QObject
{
    Q_OBJECT

private slots:
    // The mark is floored, never rounded, and the table turns it into the grade word.
    void gradeTable_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("judged");
        QTest::addColumn<int>("grade");
        QTest::addColumn<QString>("word");
        const auto row = [](const char *name, int right, int judged, int grade, const char *word) {
            QTest::newRow(name) << right << judged << grade << QString::fromUtf8(word);
        };
        row("40/40", 40, 40, 10, "OTTIMO");
        row("36/40", 36, 40, 9, "OTTIMO");
        row("35/40", 35, 40, 8, "DISTINTO");
        row("32/40", 32, 40, 8, "DISTINTO");
        row("31/40", 31, 40, 7, "BUONO");
        row("28/40", 28, 40, 7, "BUONO");
        row("27/40", 27, 40, 6, "SUFFICIENTE");
        row("24/40", 24, 40, 6, "SUFFICIENTE");
        row("23/40", 23, 40, 5, "SUFFICIENTE (!)");
        row("20/40", 20, 40, 5, "SUFFICIENTE (!)");
        row("19/40", 19, 40, 4, "Non classificato");
        row("0/40", 0, 40, 0, "Non classificato");
        row("17/20 floored", 17, 20, 8, "DISTINTO");
        row("9/10", 9, 10, 9, "OTTIMO");
        row("8/10", 8, 10, 8, "DISTINTO");
        row("1/1", 1, 1, 10, "OTTIMO");
        row("2/3 floored", 2, 3, 6, "SUFFICIENTE");
        row("nothing judged", 0, 0, 0, "Non classificato");
    }
    void gradeTable()
    {
        QFETCH(int, right);
        QFETCH(int, judged);
        QFETCH(int, grade);
        QFETCH(QString, word);
        QCOMPARE(Grading::grade(right, judged), grade);
        QCOMPARE(Grading::gradeText(grade), word);
        QCOMPARE(Grading::isPrintable(word), grade >= 5);
    }

    // The newest operation counts once its record carries the answer group.
    void judgedOperations_data()
    {
        QTest::addColumn<int>("opCount");
        QTest::addColumn<QString>("newest");
        QTest::addColumn<int>("judged");
        QTest::newRow("session not started") << 0 << QString() << 0;
        QTest::newRow("first on screen") << 1 << OpenRecord << 0;
        QTest::newRow("first judged") << 1 << JudgedRecord << 1;
        QTest::newRow("eleventh on screen") << 11 << OpenRecord << 10;
        QTest::newRow("eleventh judged") << 11 << JudgedRecord << 11;
        QTest::newRow("fortieth judged") << 40 << JudgedRecord << 40;
        QTest::newRow("emptied record") << 40 << QString() << 39;
    }
    void judgedOperations()
    {
        QFETCH(int, opCount);
        QFETCH(QString, newest);
        QFETCH(int, judged);
        SessionRecord session;
        session.OpCount = opCount;
        session.OpRecords[opCount] = newest;
        QCOMPARE(Grading::judgedOperations(session), judged);
    }

    // Ten right out of ten judged is full marks, even with the eleventh waiting on screen;
    // the count line speaks of the judged ones too.
    void unjudgedOperationNotCounted()
    {
        SessionRecord session = sessionWith(10, 10, true);
        QCOMPARE(session.OpCount, 11);
        const CertificateTexts texts =
            CertificateText::certificateTexts(session, QStringLiteral("08/12/2026"), QLocale::c());
        QCOMPARE(session.Grade, 10);
        QCOMPARE(session.GradeText, QStringLiteral("OTTIMO"));
        QCOMPARE(texts.count, QStringLiteral("Per aver dato 10 risposte esatte su 10"));
    }

    // Before any answer is judged: no division, no grade, nothing to print.
    void nothingJudged()
    {
        SessionRecord session = sessionWith(0, 0, true);
        const CertificateTexts texts =
            CertificateText::certificateTexts(session, QStringLiteral("08/12/2026"), QLocale::c());
        QCOMPARE(session.Grade, 0);
        QCOMPARE(texts.gradeWord, QStringLiteral("Non classificato"));
        QCOMPARE(texts.count, QStringLiteral("Per aver dato 0 risposte esatte su 0"));
        QVERIFY(!texts.printable);
        QCOMPARE(texts.printCaption, QStringLiteral("ATTESTATO NON STAMPABILE"));
    }

    // Every text with its blanks, and the session fields the certificate writes.
    void certificateTexts()
    {
        SessionRecord session = sessionWith(35, 40, false);
        session.PupilName = QStringLiteral("mARIO rossi");
        session.ModeCaption = QStringLiteral(" Calcola il minuendo o sottraendo");
        const CertificateTexts texts =
            CertificateText::certificateTexts(session, QStringLiteral("05/03/2007"), QLocale::c());
        QCOMPARE(texts.name, QStringLiteral("Mario rossi"));
        QCOMPARE(texts.motive, QStringLiteral("per aver  conseguito l'obiettivo"));
        QCOMPARE(texts.objective, QStringLiteral("Saper eseguire le sottrazioni"));
        QCOMPARE(texts.mode, QStringLiteral(" Calcola il minuendo o sottraendo"));
        QCOMPARE(texts.range, QStringLiteral(" Numeri da  1 a 10"));
        QCOMPARE(texts.gradeWord, QStringLiteral("DISTINTO"));
        QCOMPARE(texts.spokenGrade, QStringLiteral("Valutazione: distinto, 8 su 10."));
        QCOMPARE(texts.spokenMode, QStringLiteral("Calcola il minuendo o sottraendo"));
        QCOMPARE(texts.count, QStringLiteral("Per aver dato 35 risposte esatte su 40"));
        QCOMPARE(texts.date, QStringLiteral("Data        05/03/2007"));
        QVERIFY(texts.printable);
        QCOMPARE(texts.printCaption, QStringLiteral("STAMPA  L'ATTESTATO "));
        QCOMPARE(session.PupilName, QStringLiteral("Mario rossi"));
        QCOMPARE(session.Grade, 8);
        QCOMPARE(session.GradeText, QStringLiteral("DISTINTO"));
    }

    // What a screen reader says for the mode and the grade: no abbreviations, no signs.
    void inWords_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("grade");
        QTest::addColumn<QString>("modeWords");
        QTest::addColumn<QString>("gradeWords");
        QTest::newRow("difference, ottimo")
            << " Calcola il resto / differenza" << 10 << "Calcola il resto o differenza"
            << "Valutazione: ottimo, 10 su 10.";
        QTest::newRow("any term, only just")
            << " Calcola il minuen., sottr., resto/differ. secondo richiesta" << 5
            << "Calcola il minuendo, sottraendo, resto o differenza secondo richiesta"
            << "Valutazione: appena sufficiente, 5 su 10.";
        QTest::newRow("not classified")
            << " Calcola il minuendo o sottraendo" << 3 << "Calcola il minuendo o sottraendo"
            << "Valutazione: non classificato, 3 su 10.";
    }
    void inWords()
    {
        QFETCH(QString, mode);
        QFETCH(int, grade);
        QFETCH(QString, modeWords);
        QFETCH(QString, gradeWords);
        QCOMPARE(CertificateText::modeInWords(mode), modeWords);
        QCOMPARE(CertificateText::gradeInWords(grade, Grading::gradeText(grade)), gradeWords);
    }

    void rangeLine_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<QString>("line");
        QTest::newRow("1 to 10") << 1 << 10 << QStringLiteral(" Numeri da  1 a 10");
        QTest::newRow("10 to 20") << 10 << 20 << QStringLiteral(" Numeri da  10 a 20");
        QTest::newRow("40 to 98") << 40 << 98 << QStringLiteral(" Numeri da  40 a 98");
        QTest::newRow("never chosen") << 0 << 0 << QStringLiteral(" Numeri da  0 a 0");
    }
    void rangeLine()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(QString, line);
        QCOMPARE(CertificateText::rangeLine(low, high), line);
    }

    // First character up, the rest down, by the locale's own case rules.
    void capitalisedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        const QLocale c = QLocale::c();
        QTest::newRow("mixed") << QStringLiteral("mARIO rossi") << c
                               << QStringLiteral("Mario rossi");
        QTest::newRow("one letter") << QStringLiteral("x") << c << QStringLiteral("X");
        QTest::newRow("already so") << QStringLiteral("Mario") << c << QStringLiteral("Mario");
        QTest::newRow("accented") << QStringLiteral("éLISA") << c << QStringLiteral("Élisa");
        QTest::newRow("leading blank") << QStringLiteral(" aNNA") << c << QStringLiteral(" anna");
        QTest::newRow("empty") << QString() << c << QString();
        QTest::newRow("turkish dotted i")
            << QStringLiteral("iLKAY") << QLocale(QLocale::Turkish, QLocale::Turkey)
            << QStringLiteral("İlkay");
    }
    void capitalisedName()
    {
        QFETCH(QString, typed);
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        QCOMPARE(PupilName::capitalised(typed, locale), shown);
    }
};

QTEST_GUILESS_MAIN(TestGrading)
#include "tst_grading.moc"
