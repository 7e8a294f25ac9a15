// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "core/JobWatch.h"
#include "core/PdfFileName.h"
#include "frame/PagePrinting.h"

#include <QPointer>
#include <QTest>

namespace {

const QString Proposed =
    QStringLiteral("/home/maestra/Documenti/Operazioni - Mario - 08-12-2026.pdf");

// A page of one line, the way every screen hands one out.
PrintPage onePage()
{
    return PrintPage { QStringLiteral("Operazioni"), QStringLiteral("Mario"),
        [](PageDrawing &printer) {
            printer.setPosition(1000, 2000);
            printer.printLine(QStringLiteral("15 -  7 =  ?   ( 8)   5 Tp"));
        } };
}

} // namespace

Q_DECLARE_METATYPE(PrinterState::Kind)

class TestPagePrinting : public QObject
{
    Q_OBJECT

private slots:
    void fileName_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Operazioni"
                               << "Mario" << QDate(2026, 12, 8)
                               << "Operazioni - Mario - 08-12-2026.pdf";
        QTest::newRow("accents and blanks kept")
            << "Attestato"
            << "Nicolò  De Sanctis" << QDate(2027, 1, 31)
            << "Attestato - Nicolò De Sanctis - 31-01-2027.pdf";
        QTest::newRow("separators and reserved characters")
            << "Attestato"
            << "a/b\\c:d*e?f\"g<h>i|j" << QDate(2026, 3, 5)
            << "Attestato - a_b_c_d_e_f_g_h_i_j - 05-03-2026.pdf";
        QTest::newRow("control characters")
            << "Operazioni" << QStringLiteral("An\u0001na\u200e") << QDate(2026, 12, 8)
            << "Operazioni - An_na_ - 08-12-2026.pdf";
        QTest::newRow("no name") << "Operazioni"
                                 << "   " << QDate(2026, 12, 8)
                                 << "Operazioni - alunno - 08-12-2026.pdf";
    }
    void fileName()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        QCOMPARE(pdfFileName(kind, name, date), expected);
    }

    // When the page cannot go to the printer the pupil is asked whether to save it instead;
    // Yes opens the file dialog on the ready name and saves the same page there.
    void offerOfAPdf_data()
    {
        QTest::addColumn<PrinterState::Kind>("kind");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<QString>("question");
        const QString offer = QStringLiteral("\rVuoi salvare il foglio come PDF?");
        const QString none =
            QStringLiteral("Non c'è una stampante. Vuoi salvare il foglio come PDF?");
        QTest::newRow("no printer, yes") << PrinterState::None << false << MsgAnswer::Yes << none;
        QTest::newRow("no printer, no") << PrinterState::None << false << MsgAnswer::No << none;
        QTest::newRow("stopped") << PrinterState::Stopped << false << MsgAnswer::Yes
                                 << QStringLiteral("La stampante Aula 3 è ferma.") + offer;
        QTest::newRow("rejecting")
            << PrinterState::Rejecting << false << MsgAnswer::No
            << QStringLiteral("La stampante Aula 3 non accetta lavori.") + offer;
        QTest::newRow("job refused")
            << PrinterState::Ready << true << MsgAnswer::Yes
            << QStringLiteral(
                   "Stampa non riuscita: la stampante Aula 3 ha rifiutato il foglio (Job refused).")
                + offer;
    }
    void offerOfAPdf()
    {
        QFETCH(PrinterState::Kind, kind);
        QFETCH(bool, refused);
        QFETCH(MsgAnswer, answer);
        QFETCH(QString, question);
        FakeServices services;
        FakePrinter &printer = services.printerDouble;
        printer.state.kind = kind;
        printer.failOnEnd = refused;
        services.answers = { answer };

        PagePrinting::print(services, onePage());

        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].text, question);
        QCOMPARE(services.messages[0].style, MsgBox::YesNoInformation);
        // A stopped or rejecting printer gets nothing: it would only hold or refuse the job.
        QCOMPARE(printer.begun, (refused ? 1 : 0) + (answer == MsgAnswer::Yes ? 1 : 0));
        QVERIFY(printer.watches.isEmpty());
        if (answer == MsgAnswer::Yes) {
            QCOMPARE(services.pdfQuestions, QStringList { Proposed });
            QCOMPARE(printer.pages.size(), 1);
            QCOMPARE(printer.pages[0].pdfPath, Proposed);
            QCOMPARE(printer.pages[0].lines.size(), 1);
            QCOMPARE(printer.pages[0].lines[0].y, 2000);
        } else {
            QVERIFY(services.pdfQuestions.isEmpty());
            QVERIFY(printer.pages.isEmpty());
        }
    }

    // A page the printer took says nothing; if the spooler gives the job up later, the pupil
    // is told then, even when the screen that printed is long gone.
    void acceptedJobIsWatched()
    {
        FakeServices services;
        FakePrinter &printer = services.printerDouble;
        PagePrinting::print(services, onePage());
        PagePrinting::print(services, onePage());
        QVERIFY(services.messages.isEmpty());
        QCOMPARE(printer.pages.size(), 2);
        QVERIFY(printer.pages[0].pdfPath.isEmpty());
        QCOMPARE(printer.watches.size(), 2);

        printer.watches[0](JobFailure::Aborted);
        printer.watches[1](JobFailure::Canceled);
        QCOMPARE(services.messages.size(), 2);
        QCOMPARE(services.messages[0].text,
            QStringLiteral("Stampa non riuscita: la stampante Aula 3 ha interrotto il lavoro."));
        QCOMPARE(services.messages[1].text,
            QStringLiteral(
                "Stampa non riuscita: il lavoro è stato annullato nella stampante Aula 3."));
        QCOMPARE(services.messages[1].style, MsgBox::OkOnly);
    }

    // Saving by choice: the chosen path, with ".pdf" added when the pupil left it out; a
    // cancelled dialog saves and says nothing; a folder that cannot be written is named.
    void saving()
    {
        FakeServices services;
        FakePrinter &printer = services.printerDouble;
        services.pdfAnswers = { QStringLiteral("/tmp/compito"), QString(),
            QStringLiteral("/media/chiavetta/foglio.pdf") };
        printer.unwritableFolder = QStringLiteral("/media/chiavetta");

        PagePrinting::saveAsPdf(services, onePage());
        QCOMPARE(services.pdfQuestions, QStringList { Proposed });
        QCOMPARE(printer.pages.size(), 1);
        QCOMPARE(printer.pages[0].pdfPath, QStringLiteral("/tmp/compito.pdf"));
        QVERIFY(printer.watches.isEmpty());

        PagePrinting::saveAsPdf(services, onePage());
        QCOMPARE(services.pdfQuestions.size(), 2);
        QCOMPARE(printer.begun, 1);
        QVERIFY(services.messages.isEmpty());

        PagePrinting::saveAsPdf(services, onePage());
        QCOMPARE(printer.pages.size(), 1);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].text,
            QStringLiteral("Non riesco a salvare il foglio nella cartella\r/media/chiavetta\r"
                           "Scegli un'altra cartella."));
        QCOMPARE(services.messages[0].style, MsgBox::OkOnly);
    }

    // The watch looks at the job until it ends or 30 seconds have passed, tells a failure
    // once, and goes away by itself.
    void jobWatch_data()
    {
        QTest::addColumn<QList<JobState>>("states");
        QTest::addColumn<int>("reads");
        QTest::addColumn<QList<JobState>>("told");
        using S = JobState;
        QTest::newRow("aborted while printing")
            << QList<S> { S::Waiting, S::Waiting, S::Aborted } << 3 << QList<S> { S::Aborted };
        QTest::newRow("cancelled at once")
            << QList<S> { S::Canceled } << 1 << QList<S> { S::Canceled };
        QTest::newRow("printed") << QList<S> { S::Waiting, S::Completed } << 2 << QList<S> {};
        QTest::newRow("still waiting after 30 s")
            << QList<S>(JobWatch::Polls + 5, S::Waiting) << JobWatch::Polls << QList<S> {};
        QTest::newRow("aborted after 30 s")
            << QList<S>(JobWatch::Polls, S::Waiting) + QList<S> { S::Aborted } << JobWatch::Polls
            << QList<S> {};
    }
    void jobWatch()
    {
        QFETCH(QList<JobState>, states);
        QFETCH(int, reads);
        QFETCH(QList<JobState>, told);
        QCOMPARE(JobWatch::IntervalMs * JobWatch::Polls, 30000);
        QObject owner;
        int read = 0;
        QList<JobState> ended;
        QPointer<JobWatch> watch =
            new JobWatch([&] { return states.value(read++, JobState::Waiting); },
                [&](JobState state) {
                    ended.append(state);
                    watch->poll(); // a look while the pupil reads the message changes nothing
                },
                &owner);
        for (int i = 0; i < states.size(); ++i)
            watch->poll();
        QCOMPARE(read, reads);
        QCOMPARE(ended, told);
        flushDeletedScreens();
        QVERIFY(watch.isNull());
    }
};

QTEST_MAIN(TestPagePrinting)
#include "tst_pageprinting.moc"
