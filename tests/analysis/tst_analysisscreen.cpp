// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "JudgedOperations.h"
#include "QtPdfPrinting.h"
#include "analysis/FrmAnalisi.h"
#include "core/ErrorRules.h"
#include "core/SessionRecord.h"
#include "register/SqliteRegister.h"
#include "report/FrmStampa.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Borrow = QStringLiteral(
    "Toglie la cifra più piccola dalla più grande: 3 volte su 4 sottrazioni con il prestito "
    "(53 \u2212 17: ha scritto 44)");

void judge(SessionRecord &session, int minuend, int subtrahend, int asked, int answer, int seconds)
{
    session.Judged[++session.OpCount] =
        judgedOperation(minuend, subtrahend, asked, QString::number(answer), seconds);
}

// Mario's session: eight operations, three of them wrong by the same borrow error, one slip.
void marioSession(SessionRecord &session)
{
    session.PupilName = QStringLiteral("mario");
    session.ModeCaption = QStringLiteral(" Calcola il resto / differenza");
    session.RangeLow = 10;
    session.RangeHigh = 99;
    judge(session, 53, 17, 1, 44, 9);
    judge(session, 9, 4, 1, 5, 3);
    judge(session, 63, 27, 1, 44, 11);
    judge(session, 48, 23, 1, 25, 6);
    judge(session, 73, 37, 1, 44, 8);
    judge(session, 45, 18, 1, 27, 7);
    judge(session, 58, 23, 1, 34, 4);
    judge(session, 7, 3, 1, 4, 2);
}

QString text(const Screen &screen, const QString &name)
{
    const auto *label = screen.findChild<QLabel *>(name);
    return label && label->isVisibleTo(&screen) ? label->text() : QString();
}

QStringList row(const Screen &screen, int row)
{
    QStringList cells;
    for (int column = 0; column < 5; ++column)
        cells.append(text(screen, QStringLiteral("lblTabella%1_%2").arg(row).arg(column)));
    return cells;
}

QString accessibleName(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

QString squeezed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

} // namespace

class TestAnalysisScreen : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        session = SessionRecord();
        services = std::make_unique<FakeServices>();
        services->registry.setFactory(ScreenId::Analysis, [this] {
            return new FrmAnalisi(session, { *services, *services, *services, *services });
        });
        services->registry.setFactory(ScreenId::Report,
            [this] { return new FrmStampa(session, services->screens(), *services); });
    }
    void cleanup()
    {
        services.reset();
        flushDeletedScreens();
    }

    // The screen against a session of known answers, read again each time it comes to the front.
    void showsTheSession()
    {
        marioSession(session);
        FrmAnalisi screen(session, { *services, *services, *services, *services });
        QCOMPARE(screen.windowTitle(), QStringLiteral("ANALISI DEGLI ERRORI"));
        QCOMPARE(text(screen, "lblIntestazione1"), QStringLiteral("Mario, 08/12/2026"));
        QCOMPARE(text(screen, "lblIntestazione2"),
            QStringLiteral("Calcola il resto / differenza, numeri da 10 a 99"));
        QCOMPARE(text(screen, "lblIntestazione3"), QStringLiteral("8 operazioni, 4 esatte"));
        QCOMPARE(row(screen, 1), QStringList({ "Entro il 10", "2", "2", "100%", "3" }));
        QCOMPARE(row(screen, 2), QStringList({ "Senza prestito", "2", "1", "50%", "5" }));
        QCOMPARE(row(screen, 3), QStringList({ "Con prestito", "4", "1", "25%", "9" }));
        // On screen the examples in brackets do not break; on paper they stay whole too.
        QCOMPARE(text(screen, "lblErrore1"),
            QString(Borrow).replace(QStringLiteral("(53 \u2212 17: ha scritto 44)"),
                QStringLiteral("(53\u00A0\u2212\u00A017:\u00A0ha\u00A0scritto\u00A044)")));
        QCOMPARE(text(screen, "lblErrore2"),
            QStringLiteral("Errori isolati: Sbaglia di uno (1\u00A0volta)"));
        QCOMPARE(text(screen, "lblErrore3"), QString());

        // A screen reader reads each number with its row and column.
        QCOMPARE(accessibleName(screen.findChild<QLabel *>("lblTabella3_3")),
            QStringLiteral("Con prestito, Percentuale: 25%"));
        QCOMPARE(accessibleName(screen.findChild<QLabel *>("lblErrore1")), Borrow);

        // A new session with nothing judged yet: the same screen, activated again.
        session.OpCount = 1;
        session.Judged[1] = JudgedOperation();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&screen, &activate);
        QCOMPARE(text(screen, "lblIntestazione3"), QStringLiteral("0 operazioni, 0 esatte"));
        QCOMPARE(row(screen, 0), QStringList({ "", "", "", "", "" }));
        QCOMPARE(text(screen, "lblErrore1"), QStringLiteral("Nessuna operazione eseguita"));

        session.Judged[1].judged = true;
        session.Judged[1].minuend = 9;
        session.Judged[1].subtrahend = 4;
        session.Judged[1].askedTerm = 1;
        session.Judged[1].answer = QStringLiteral("5");
        session.Judged[1].right = true;
        QCoreApplication::sendEvent(&screen, &activate);
        QCOMPARE(row(screen, 0).first(), QStringLiteral("Tipo di sottrazione"));
        QCOMPARE(row(screen, 1).first(), QStringLiteral("Entro il 10"));
        QCOMPARE(row(screen, 2).first(), QString());
        QCOMPARE(text(screen, "lblErrore1"), QStringLiteral("Nessun errore: complimenti!"));
    }

    // From the report's menu File, above "Esci"; created only then.
    void openedFromTheReport()
    {
        marioSession(session);
        auto *report = qobject_cast<FrmStampa *>(services->registry.show(ScreenId::Report));
        const QList<QAction *> entries = report->findChild<QMenu *>("MnuFile")->actions();
        QCOMPARE(entries.size() >= 2, true);
        QAction *entry = report->findChild<QAction *>("mnuAnalisi");
        QVERIFY(entry);
        QCOMPARE(entry->text().remove(QLatin1Char('&')), QStringLiteral("Analisi degli errori"));
        QVERIFY(entries.indexOf(entry) < entries.indexOf(report->findChild<QAction *>("MnuEsci")));
        QVERIFY(!services->registry.existing(ScreenId::Analysis));
        entry->trigger();
        auto *analysis = services->registry.existing<FrmAnalisi>(ScreenId::Analysis);
        QVERIFY(analysis);
        QVERIFY(analysis->isVisible());
        QVERIFY(report->isVisible());
    }

    // The page takes the report's way out: with no printer the PDF is offered, and Sì saves
    // it under the analysis's own name.
    void noPrinterOffersThePdf()
    {
        marioSession(session);
        FrmAnalisi screen(session, { *services, *services, *services, *services });
        auto *print = screen.findChild<QPushButton *>("cmdStampaA");
        QCOMPARE(print->text(), QStringLiteral("STAMPA L'ANALISI"));
        services->printerDouble.state = { PrinterState::None, QString() };
        services->answers = { MsgAnswer::Yes };
        print->click();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages.first().style, MsgBox::YesNoInformation);
        QCOMPARE(services->printerDouble.pages.size(), 1);
        QVERIFY2(services->printerDouble.pages.first().pdfPath.contains(
                     QStringLiteral("Analisi - Mario - ")),
            qPrintable(services->printerDouble.pages.first().pdfPath));
    }

    // A recurring error seen on an earlier day: the printed page carries the register's note
    // after the sentence, as the screen does.
    void printedNoteFromTheRegister()
    {
        QTemporaryDir dir;
        services->registerPath = dir.filePath(QStringLiteral("registro.sqlite"));
        {
            const QDateTime earlier(QDate(2026, 12, 3), QTime(9, 0));
            SqliteRegister reg({ services->registerPath, true });
            reg.sessionStarted({ QStringLiteral("Mario"), 1, 4, 10, 99, earlier });
            // 53 − 17, 63 − 17, 73 − 17, each with the smaller units digit taken from the larger.
            for (int n = 1; n <= 3; ++n)
                reg.answerJudged({ n, 43 + 10 * n, 17, 1, 26 + 10 * n,
                    QString::number(10 * (3 + n) + 4), false, 9, earlier.addSecs(10 * n) });
            reg.sessionEnded({ Register::Ending::Completed, earlier.addSecs(60) });
            reg.waitUntilWritten();
        }
        marioSession(session);
        FrmAnalisi screen(session, { *services, *services, *services, *services });
        const QString sentence = accessibleName(screen.findChild<QLabel *>("lblErrore1"));
        QVERIFY2(sentence.startsWith(Borrow + QStringLiteral(" — già visto il 3/12: ")),
            qPrintable(sentence));
        screen.findChild<QPushButton *>("cmdStampaA")->click();
        QString printed;
        for (const FakePrinter::Line &line : services->printerDouble.pages.last().lines)
            printed += line.text;
        QVERIFY2(squeezed(printed).contains(squeezed(sentence)), qPrintable(printed));
    }

    // The page through the real print path, into a PDF read back: one page, every line on it.
    void printedPage()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("analisi.pdf"));
        marioSession(session);
        QtPdfPrinting printer(*services, pdf);
        FrmAnalisi screen(session, { *services, *services, *services, *services });
        screen.findChild<QPushButton *>("cmdStampaA")->click();
        QVERIFY(services->messages.isEmpty());

        QProcess process;
        process.start(pdftotext, { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QString page = QString::fromUtf8(process.readAllStandardOutput());
        QCOMPARE(page.count(QLatin1Char('\f')), 1);
        for (const QString &line : { QStringLiteral("ANALISI DEGLI ERRORI"),
                 QStringLiteral("Mario, 08/12/2026"), QStringLiteral("8 operazioni, 4 esatte"),
                 QStringLiteral(
                     "Tipo di sottrazione Operazioni Esatte Percentuale Secondi (mediana)"),
                 QStringLiteral("Entro il 10 2 2 100% 3"),
                 QStringLiteral("Senza prestito 2 1 50% 5"),
                 QStringLiteral("Con prestito 4 1 25% 9"), QStringLiteral("Come sbaglia"), Borrow,
                 QStringLiteral("Errori isolati: Sbaglia di uno (1 volta)") })
            QVERIFY2(squeezed(page).contains(squeezed(line)), qPrintable(line + "\n" + page));

        // Long sentences are broken into lines that stay inside the page.
        process.start(pdftotext, { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
        QVERIFY(process.waitForFinished(30000));
        const QString boxes = QString::fromUtf8(process.readAllStandardOutput());
        const QRegularExpression pageWidth(QStringLiteral(R"re(<page width="([\d.]+)")re"));
        const double width = pageWidth.match(boxes).captured(1).toDouble();
        QVERIFY(width > 500);
        static const QRegularExpression right(QStringLiteral(R"re(xMax="([\d.]+)")re"));
        int words = 0;
        for (const QRegularExpressionMatch &match : right.globalMatch(boxes)) {
            QVERIFY2(match.captured(1).toDouble() < width - 20, qPrintable(match.captured(0)));
            ++words;
        }
        QVERIFY(words > 50);
    }

    // A pupil whose time is hidden: the seconds' column stays empty on screen and on paper,
    // and both state the measures.
    void measuresHideTheSeconds()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("analisi.pdf"));
        marioSession(session);
        session.PupilMeasures.timeHidden = true;
        session.PupilMeasures.exerciseSize = 5;
        const QString measures = QStringLiteral("Misure: tempo non mostrato, 20 operazioni");
        QtPdfPrinting printer(*services, pdf);
        FrmAnalisi screen(session, { *services, *services, *services, *services });
        QCOMPARE(row(screen, 3), QStringList({ "Con prestito", "4", "1", "25%", "" }));
        QCOMPARE(text(screen, "lblMisure"), measures);
        screen.findChild<QPushButton *>("cmdStampaA")->click();
        QProcess process;
        process.start(pdftotext, { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
        QVERIFY(process.waitForFinished(30000));
        const QString page = squeezed(QString::fromUtf8(process.readAllStandardOutput()));
        QVERIFY2(page.contains(squeezed(measures)), qPrintable(page));
        QVERIFY2(page.contains(squeezed("Con prestito 4 1 25%Come sbaglia")), qPrintable(page));
    }

    // The practice sheet: with no printer it is saved as "Scheda - <name> - <date>.pdf"; through
    // the real print path, the pupil's page and then the teacher's key on a second page, the
    // same for the same session.
    void printedSheet()
    {
        marioSession(session);
        session.RangeLevel = 6;
        session.AskedTermLow = session.AskedTermHigh = 1;
        {
            FrmAnalisi screen(session, { *services, *services, *services, *services });
            services->printerDouble.state = { PrinterState::None, QString() };
            services->answers = { MsgAnswer::Yes };
            screen.findChild<QPushButton *>("cmdStampaScheda")->click();
            QCOMPARE(services->printerDouble.pages.size(), 1);
            QVERIFY(services->printerDouble.pages.first().pdfPath.contains(
                QStringLiteral("Scheda - Mario - ")));
            QCOMPARE(services->printerDouble.pages.first().pageCount, 2);
            services->messages.clear();
        }
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        QtPdfPrinting printer(*services, QString());
        FrmAnalisi screen(session, { *services, *services, *services, *services });
        QStringList printed;
        for (int copy = 0; copy < 2; ++copy) {
            const QString pdf = dir.filePath(QStringLiteral("scheda%1.pdf").arg(copy));
            printer.queue.setOutputPdf(pdf);
            screen.findChild<QPushButton *>("cmdStampaScheda")->click();
            QProcess process;
            process.start(pdftotext, { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
            QVERIFY(process.waitForFinished(30000));
            printed.append(QString::fromUtf8(process.readAllStandardOutput()));
        }
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(printed[1], printed[0]);
        QStringList pages;
        for (const QString &page : printed[0].split(QLatin1Char('\f'), Qt::SkipEmptyParts))
            pages.append(squeezed(page));
        QCOMPARE(pages.size(), 2);
        for (const QString &line : { QStringLiteral("SCHEDA DI ESERCIZI"),
                 QStringLiteral("Nome: Mario"), QStringLiteral("Data: 08/12/2026"),
                 QStringLiteral("non togliere la cifra più piccola dalla più grande"),
                 QStringLiteral("Esempio svolto"), QStringLiteral("Cambio una decina in 10 unità"),
                 QStringLiteral("Esegui in colonna") })
            QVERIFY2(pages[0].contains(squeezed(line)), qPrintable(line + "\n" + pages[0]));
        QVERIFY(!pages[0].contains(squeezed(QStringLiteral("se scrive"))));
        QVERIFY(pages[1].contains(squeezed(QStringLiteral("SCHEDA DI ESERCIZI: SOLUZIONI"))));
        QCOMPARE(pages[1].count(squeezed(QStringLiteral("; se scrive"))), 8);
        QCOMPARE(pages[1].count(
                     squeezed(QStringLiteral(": toglie la cifra più piccola dalla più grande"))),
            8);
        QVERIFY(pages[1].contains(squeezed(QStringLiteral("12."))));
    }

private:
    SessionRecord session;
    std::unique_ptr<FakeServices> services;
};

QTEST_MAIN(TestAnalysisScreen)
#include "tst_analysisscreen.moc"
