// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "ReportSamples.h"
#include "core/ReportLayout.h"
#include "report/FrmStampa.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {
const QString MissingFont = QStringLiteral("Devi installare il font Courier o il font Courier New");

QLabel *cell(const Screen &screen, int record)
{
    return screen.findChild<QLabel *>(QStringLiteral("LblOp%1").arg(record));
}
QLabel *timeBox(const Screen &screen, int exercise)
{
    return screen.findChild<QLabel *>(QStringLiteral("Label%1").arg(exercise));
}
QPushButton *button(const Screen &screen, const char *name)
{
    return screen.findChild<QPushButton *>(QLatin1String(name));
}
} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        session = SessionRecord();
        services = std::make_unique<FakeServices>();
        services->registry.setFactory(ScreenId::Report,
            [this] { return new FrmStampa(session, services->screens(), *services); });
        // The certificate is someone else's screen: a stand-in is enough here.
        services->registry.setFactory(ScreenId::Certificate, [] {
            auto *certificate = new Screen;
            certificate->setObjectName(QStringLiteral("FrmAttestato"));
            return certificate;
        });
    }
    void cleanup()
    {
        services.reset();
        flushDeletedScreens();
    }

    // The fixed parts a pupil sees and tabs through.
    void layout()
    {
        FrmStampa screen(session, services->screens(), *services);
        QCOMPARE(screen.windowTitle(), QStringLiteral("STAMPA DELLE OPERAZIONI"));
        QCOMPARE(screen.client()->size(), QSize(794, 556));
        QCOMPARE(screen.findChild<QLabel *>("Label5")->text(),
            QStringLiteral("E S E R C I Z I   E S E G U I T I "));
        QCOMPARE(button(screen, "Command1")->text(), QStringLiteral("ESCI"));
        QCOMPARE(button(screen, "cmdStampaS")->text(), QStringLiteral("STAMPA LE OPERAZIONI"));
        QCOMPARE(button(screen, "Command2")->text(), QStringLiteral("Visualizza attestato"));
        QCOMPARE(button(screen, "Command1")->nextInFocusChain(), button(screen, "cmdStampaS"));
        QCOMPARE(button(screen, "cmdStampaS")->nextInFocusChain(), button(screen, "Command2"));
        QCOMPARE(screen.findChild<QAction *>("MnuEsci")->text(), QStringLiteral("Esci"));
        QVERIFY(screen.findChild<QObject *>("MnuFile"));
    }

    // Column c holds exercise c; cells past the last record stay empty in the design face.
    void cellsByRecordCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("first exercise done") << 10;
        QTest::newRow("session done") << 40;
    }
    void cellsByRecordCount()
    {
        QFETCH(int, count);
        fillSession(session, count);
        FrmStampa screen(session, services->screens(), *services);
        screen.show();
        for (int i = 1; i <= ReportLayout::RecordCount; ++i) {
            const QLabel *label = cell(screen, i);
            QVERIFY(label);
            if (i <= count) {
                QCOMPARE(label->text(), sampleRecord(i));
                QCOMPARE(label->font().family(), QStringLiteral("Courier New"));
                QCOMPARE(label->font().pointSizeF(), 9.0);
                QVERIFY(label->font().bold());
            } else {
                QCOMPARE(label->text(), QString());
                QCOMPARE(label->font().pointSizeF(), 9.75);
                QVERIFY(!label->font().bold());
            }
        }
        // Record 11 heads column 2 beside record 1; record 40 ends column 4 beside record 10.
        QCOMPARE(cell(screen, 11)->geometry().topLeft(), QPoint(207, 60));
        QCOMPARE(cell(screen, 1)->geometry().topLeft(), QPoint(12, 60));
        QCOMPARE(cell(screen, 40)->geometry(), QRect(597, 330, 193, 29));
        QCOMPARE(cell(screen, 10)->y(), cell(screen, 40)->y());
        QCOMPARE(screen.findChild<QLabel *>("Label6")->text(), QStringLiteral("Courier New"));
        QVERIFY(services->messages.isEmpty());
    }

    void timeBoxes()
    {
        fillSession(session, 10);
        FrmStampa screen(session, services->screens(), *services);
        screen.show();
        QCOMPARE(timeBox(screen, 1)->text(), QStringLiteral("Tempo totale:     53 sec."));
        for (int k = 2; k <= 4; ++k)
            QCOMPARE(timeBox(screen, k)->text(), QStringLiteral("Tempo totale:     sec."));
    }

    // The first Courier name the printer lists decides the face of the screen.
    void fontByListOrder_data()
    {
        QTest::addColumn<QStringList>("fonts");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Courier New")
            << QStringList { "Arial", "Courier New", "Courier" } << "Courier New" << 9.0 << true;
        QTest::newRow("Courier") << QStringList { "Arial", "Courier", "Courier New" } << "Courier"
                                 << 10.0 << false;
    }
    void fontByListOrder()
    {
        QFETCH(QStringList, fonts);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        services->printerDouble.fonts = fonts;
        fillSession(session, 12);
        FrmStampa screen(session, services->screens(), *services);
        screen.show();
        QCOMPARE(screen.findChild<QLabel *>("Label6")->text(), family);
        for (int i : { 1, 12 }) {
            QCOMPARE(cell(screen, i)->font().family(), family);
            QCOMPARE(cell(screen, i)->font().pointSizeF(), points);
            QCOMPARE(cell(screen, i)->font().bold(), bold);
        }
        QCOMPARE(cell(screen, 13)->font().pointSizeF(), 9.75);
    }

    // Without an exact Courier name the pupil is told once and the screen stays unfilled,
    // yet every button still works.
    void missingFont()
    {
        services->printerDouble.fonts = { "courier new", "COURIER", "Arial" };
        fillSession(session, 40);
        auto *screen = services->registry.show(ScreenId::Report);
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(screen, &activate);
        screen->hide();
        screen->show();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages[0].text, MissingFont);
        QCOMPARE(services->messages[0].style, MsgBox::OkOnly);
        QCOMPARE(services->messages[0].title, QString());
        QCOMPARE(cell(*screen, 1)->text(), QString());
        QCOMPARE(timeBox(*screen, 1)->text(), QStringLiteral("Tempo totale"));
        QCOMPARE(screen->findChild<QLabel *>("Label6")->text(), QString());

        // Printing tells the same, and nothing reaches the printer.
        button(*screen, "cmdStampaS")->click();
        QCOMPARE(services->messages.size(), 2);
        QCOMPARE(services->messages[1].text, MissingFont);
        QCOMPARE(services->printerDouble.begun, 0);
        QVERIFY(services->printerDouble.pages.isEmpty());

        button(*screen, "Command2")->click();
        QVERIFY(services->registry.existing(ScreenId::Certificate));
        button(*screen, "Command1")->click();
        QVERIFY(!services->registry.existing(ScreenId::Report));
    }

    // Coming back to the report shows the session as it is now, not as it was when opened.
    void refreshOnActivation()
    {
        fillSession(session, 10);
        auto *screen = services->registry.show(ScreenId::Report);
        QCOMPARE(cell(*screen, 11)->text(), QString());

        fillSession(session, 12);
        session.ExerciseTimeText[2] = QStringLiteral(" 14");
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(screen, &activate);
        QCOMPARE(cell(*screen, 11)->text(), sampleRecord(11));
        QCOMPARE(cell(*screen, 12)->text(), sampleRecord(12));
        QCOMPARE(cell(*screen, 12)->font().pointSizeF(), 9.0);
        QCOMPARE(timeBox(*screen, 2)->text(), QStringLiteral("Tempo totale:     14 sec."));

        // A new session: the old records above the count go back to empty cells.
        session.OpRecords[1] = QStringLiteral(" 9 -  2 =  ?   (7)   3 Tp");
        session.OpCount = 1;
        session.ExerciseTimeText = {};
        screen->hide();
        services->registry.show(ScreenId::Report);
        QCOMPARE(cell(*screen, 1)->text(), session.OpRecords[1]);
        for (int i : { 2, 11, 12 }) {
            QCOMPARE(cell(*screen, i)->text(), QString());
            QCOMPARE(cell(*screen, i)->font().pointSizeF(), 9.75);
        }
        QCOMPARE(timeBox(*screen, 2)->text(), QStringLiteral("Tempo totale:     sec."));
    }

    // Opened from the exercise screen's button, the report takes the focus to its print button,
    // once: shown again without the request, it leaves the focus where it is.
    void focusOnPrintWhenAsked()
    {
        session.ReportFocusOnPrint = true;
        auto *screen = services->registry.show(ScreenId::Report);
        QCOMPARE(screen->focusWidget(), button(*screen, "cmdStampaS"));
        QVERIFY(!session.ReportFocusOnPrint);
        button(*screen, "Command2")->setFocus();
        services->registry.show(ScreenId::Report);
        QCOMPARE(screen->focusWidget(), button(*screen, "Command2"));
    }

    // "ESCI" and the menu entry both close the report and leave the times alone.
    void closingKeepsTimes_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("ESCI") << false;
        QTest::newRow("File, Esci") << true;
    }
    void closingKeepsTimes()
    {
        QFETCH(bool, byMenu);
        fillSession(session, 40);
        const auto times = session.ExerciseTimeText;
        auto *screen = services->registry.show(ScreenId::Report);
        if (byMenu)
            screen->findChild<QAction *>("MnuEsci")->trigger();
        else
            button(*screen, "Command1")->click();
        QVERIFY(!services->registry.existing(ScreenId::Report));
        QCOMPARE(session.ExerciseTimeText, times);
        flushDeletedScreens();

        screen = services->registry.show(ScreenId::Report);
        QCOMPARE(timeBox(*screen, 1)->text(), QStringLiteral("Tempo totale:     53 sec."));
        QCOMPARE(timeBox(*screen, 4)->text(), QStringLiteral("Tempo totale:     9 sec."));
        button(*screen, "cmdStampaS")->click();
        QCOMPARE(services->printerDouble.pages.last().lines.last().text,
            QStringLiteral("Eser. n.4: Tempo tot.  9 secondi"));
    }

    void certificateFromReport()
    {
        fillSession(session, 20);
        auto *report = services->registry.show(ScreenId::Report);
        button(*report, "Command2")->click();
        Screen *certificate = services->registry.existing(ScreenId::Certificate);
        QVERIFY(certificate);
        QVERIFY(certificate->isVisible());
        QVERIFY(report->isVisible());
        certificate->close();
        QVERIFY(services->registry.existing(ScreenId::Report));
        QCOMPARE(cell(*report, 20)->text(), sampleRecord(20));
    }

    // One page: header, the records in order, then all four time lines.
    void printout_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("none") << 0;
        QTest::newRow("first exercise") << 10;
        QTest::newRow("into the third") << 23;
        QTest::newRow("session done") << 40;
    }
    void printout()
    {
        QFETCH(int, count);
        fillSession(session, count);
        FrmStampa screen(session, services->screens(), *services);
        screen.show();
        button(screen, "cmdStampaS")->click();
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(services->printerDouble.pages.size(), 1);
        const auto &lines = services->printerDouble.pages[0].lines;
        QCOMPARE(lines.size(), 1 + count + 4);
        for (const FakePrinter::Line &line : lines)
            QCOMPARE(line.fontName, QStringLiteral("Courier New"));

        const FakePrinter::Line &header = lines[0];
        QCOMPARE(header.text, QStringLiteral("SCUOLA ELEMENTARE DI_____________________   "));
        QCOMPARE(QPoint(header.x, header.y), QPoint(1000, 1000));
        QCOMPARE(header.fontSize, 18.0);
        QVERIFY(!header.bold);

        for (int i = 1; i <= count; ++i) {
            const FakePrinter::Line &line = lines[i];
            QCOMPARE(line.text, sampleRecord(i));
            QCOMPARE(QPoint(line.x, line.y), ReportLayout::recordPosition(i));
            QCOMPARE(line.fontSize, 12.0);
            QVERIFY(line.bold);
        }
        if (count == 40) {
            QCOMPARE(QPoint(lines[11].x, lines[11].y), QPoint(6000, 2000));
            QCOMPARE(QPoint(lines[21].x, lines[21].y), QPoint(1000, 6400));
            QCOMPARE(QPoint(lines[31].x, lines[31].y), QPoint(6000, 6400));
            QCOMPARE(QPoint(lines[40].x, lines[40].y), QPoint(6000, 10000));
        }

        const QStringList times { QStringLiteral(" 53"), QStringLiteral(" 61"),
            QStringLiteral(" 100"), QStringLiteral(" 9") };
        const QList<QPoint> places { { 1000, 11000 }, { 6000, 11000 }, { 1000, 12000 },
            { 6000, 12000 } };
        for (int k = 1; k <= 4; ++k) {
            const FakePrinter::Line &line = lines[count + k];
            const QString time = count > (k - 1) * 10 ? times[k - 1] : QString();
            QCOMPARE(
                line.text, QStringLiteral("Eser. n.%1: Tempo tot. %2 secondi").arg(k).arg(time));
            QCOMPARE(QPoint(line.x, line.y), places[k - 1]);
            QCOMPARE(line.fontSize, 12.0);
            QVERIFY(line.bold);
        }
    }

    // A printer listing "Courier" first prints in "Courier".
    void printsInFirstListedCourier()
    {
        services->printerDouble.fonts = { "Courier", "Courier New" };
        fillSession(session, 3);
        FrmStampa screen(session, services->screens(), *services);
        button(screen, "cmdStampaS")->click();
        QCOMPARE(services->printerDouble.pages.size(), 1);
        for (const FakePrinter::Line &line : services->printerDouble.pages[0].lines)
            QCOMPARE(line.fontName, QStringLiteral("Courier"));
    }

    // Every press prints one whole page from the session as it is; the header stays regular.
    void onePagePerPress()
    {
        fillSession(session, 10);
        FrmStampa screen(session, services->screens(), *services);
        button(screen, "cmdStampaS")->click();
        fillSession(session, 11);
        button(screen, "cmdStampaS")->click();
        const auto &pages = services->printerDouble.pages;
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].lines.size(), 15);
        QCOMPARE(pages[1].lines.size(), 16);
        QVERIFY(!pages[1].lines[0].bold);
        QCOMPARE(pages[1].lines[0].fontSize, 18.0);
        QCOMPARE(pages[1].lines[11].text, sampleRecord(11));
    }

    // "Salva come PDF…" stands above "Esci" and saves the report's page under the ready name,
    // with the pupil's name as the certificate shows it (the page itself: tst_reportpdf).
    void saveAsPdf()
    {
        session.PupilName = QStringLiteral("mARIO");
        fillSession(session, 23);
        auto *screen = services->registry.show(ScreenId::Report);
        const QList<QAction *> entries = screen->findChild<QMenu *>("MnuFile")->actions();
        auto *save = screen->findChild<QAction *>("mnuSalvaPdf");
        QVERIFY(save);
        QCOMPARE(save->text(), QStringLiteral("Salva come PDF…"));
        QCOMPARE(save->shortcut(), QKeySequence(QKeySequence::Save));
        QVERIFY(entries.indexOf(save) >= 0);
        QVERIFY(entries.indexOf(save) < entries.indexOf(screen->findChild<QAction *>("MnuEsci")));

        save->trigger();
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(services->pdfQuestions,
            QStringList { "/home/maestra/Documenti/Operazioni - Mario - 08-12-2026.pdf" });
        const auto &pages = services->printerDouble.pages;
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].pdfPath, services->pdfQuestions[0]);
        QCOMPARE(pages[0].lines.size(), 1 + 23 + 4);
    }

private:
    SessionRecord session;
    std::unique_ptr<FakeServices> services;
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
