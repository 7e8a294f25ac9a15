// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "certificate/FrmAttestato.h"
#include "core/SessionRecord.h"
#include "frame/SpokenStop.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

const QString JudgedRecord = QStringLiteral(" 9 -  4 =  ?   ( 5)   3 Tp");
const QString OpenRecord = QStringLiteral(" 9 -  4 =  ?");
const QString ModeThree =
    QStringLiteral(" Calcola il minuen., sottr., resto/differ. secondo richiesta");

// Sets the session as if `judged` answers had been given, `right` of them right, with one more
// operation waiting on screen when asked.
void play(SessionRecord &session, int right, int judged, bool oneMoreOnScreen = false)
{
    session.RightCount = right;
    for (int i = 1; i <= judged; ++i)
        session.OpRecords[i] = JudgedRecord;
    session.OpCount = judged;
    if (oneMoreOnScreen)
        session.OpRecords[++session.OpCount] = OpenRecord;
}

} // namespace

class TestCertificateScreen : public QObject
{
    Q_OBJECT

private:
    SessionRecord *m_session = nullptr;
    FakeServices *m_services = nullptr;

    FrmAttestato *openCertificate()
    {
        auto *screen =
            qobject_cast<FrmAttestato *>(m_services->registry.show(ScreenId::Certificate));
        if (screen && !QTest::qWaitForWindowActive(screen))
            return nullptr;
        return screen;
    }

    // Another window takes the focus and gives it back, as when the pupil returns from the
    // exercise screen.
    bool returnTo(QWidget *screen)
    {
        QWidget other;
        other.resize(100, 100);
        other.show();
        other.activateWindow();
        if (!QTest::qWaitForWindowActive(&other))
            return false;
        screen->activateWindow();
        return QTest::qWaitForWindowActive(screen);
    }

    template <class T> static T *child(QWidget *screen, const char *name)
    {
        return screen->findChild<T *>(QString::fromLatin1(name));
    }

    static QPushButton *button(QWidget *screen, const char *name)
    {
        return child<QPushButton>(screen, name);
    }

    static QString text(QWidget *screen, const char *name)
    {
        const QLabel *label = child<QLabel>(screen, name);
        return label ? label->text() : QStringLiteral("<missing>");
    }

private slots:
    void init()
    {
        m_session = new SessionRecord;
        m_session->PupilName = QStringLiteral("mARIO rossi");
        m_session->RangeLow = 1;
        m_session->RangeHigh = 10;
        m_session->ModeCaption = QStringLiteral(" Calcola il resto / differenza");
        m_services = new FakeServices;
        m_services->registry.setFactory(ScreenId::Certificate,
            [this] { return new FrmAttestato(*m_session, *m_services, *m_services); });
        // The screens underneath, as far as the certificate is concerned.
        m_services->registry.setFactory(ScreenId::Exercise, [] { return new Screen; });
        m_services->registry.setFactory(ScreenId::Report, [] { return new Screen; });
    }

    void cleanup()
    {
        delete m_services; // the registry closes what is still open
        flushDeletedScreens();
        delete m_session;
    }

    // The texts as the pupil reads them, blanks included, and the name kept capitalised.
    void textsOnScreen()
    {
        play(*m_session, 35, 40);
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        QCOMPARE(text(screen, "Label1"), QStringLiteral("ATTESTATO"));
        QCOMPARE(text(screen, "Label2"), QStringLiteral("rilasciato a"));
        QCOMPARE(text(screen, "lblNome"), QStringLiteral("Mario rossi"));
        QCOMPARE(text(screen, "lblMotivo"), QStringLiteral("per aver  conseguito l'obiettivo"));
        QCOMPARE(text(screen, "lblObiettivo1"), QStringLiteral("Saper eseguire le sottrazioni"));
        QCOMPARE(text(screen, "lblObiettivo3"), QStringLiteral(" Calcola il resto / differenza"));
        QCOMPARE(text(screen, "lblObiettivo2"), QStringLiteral(" Numeri da  1 a 10"));
        QCOMPARE(text(screen, "Label3"), QStringLiteral("con la valutazione"));
        QCOMPARE(text(screen, "lblRapporto"), QStringLiteral("DISTINTO"));
        QCOMPARE(
            text(screen, "lblPerche"), QStringLiteral("Per aver dato 35 risposte esatte su 40"));
        QCOMPARE(text(screen, "lblData"), QStringLiteral("Data        08/12/2026"));
        QCOMPARE(m_session->PupilName, QStringLiteral("Mario rossi"));
        QCOMPARE(m_session->Grade, 8);
        QCOMPARE(m_session->GradeText, QStringLiteral("DISTINTO"));

        QVERIFY(returnTo(screen));
        QCOMPARE(m_session->PupilName, QStringLiteral("Mario rossi"));
        QCOMPARE(text(screen, "lblNome"), QStringLiteral("Mario rossi"));
    }

    // A borderless window of 12000 x 9000 twips; the labels lie over the picture, not under.
    void layout()
    {
        play(*m_session, 9, 10);
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        QVERIFY(screen->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(screen->client()->size(), QSize(800, 600));
        QCOMPARE(screen->size(), QSize(800, 600));
        const QRect desk = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((screen->frameGeometry().center() - desk.center()).manhattanLength() <= 2);
        auto *frame1 = child<QFrame>(screen, "Frame1");
        QVERIFY(frame1);
        QCOMPARE(frame1->geometry(), QRect(31, 10, 347, 456));
        QWidget *image = child<QWidget>(screen, "Image1");
        QVERIFY(image);
        QCOMPARE(image->geometry(), QRect(5, 23, 326, 426));
        // The card's texts; the see-through stops over them only carry their words.
        QList<QLabel *> labels = frame1->findChildren<QLabel *>();
        labels.removeIf([](QLabel *label) { return qobject_cast<SpokenStop *>(label); });
        QCOMPARE(labels.size(), 11);
        for (QLabel *label : labels)
            QCOMPARE(frame1->childAt(label->geometry().center()), label);
        QVERIFY(!screen->client()->childAt(screen->client()->width() - 5, 5)); // bare background
    }

    // The block is centred at every activation, wherever it was left.
    void blockCentred()
    {
        play(*m_session, 9, 10);
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        auto *block = child<QFrame>(screen, "Frame2");
        QVERIFY(block);
        const int centred = (screen->client()->width() - block->width()) / 2;
        QCOMPARE(block->x(), centred);
        QCOMPARE(block->geometry(), QRect(197, 31, 406, 564));
        block->move(0, block->y());
        QVERIFY(returnTo(screen));
        QCOMPARE(block->x(), centred);
    }

    // Answers given meanwhile show up on return; the print button follows the grade both ways,
    // and the focus goes to "FINE SESSIONE" while printing is refused.
    void printButtonFollowsGrade()
    {
        play(*m_session, 19, 40);
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        QPushButton *print = button(screen, "Command2");
        QVERIFY(print);
        QCOMPARE(text(screen, "lblRapporto"), QStringLiteral("Non classificato"));
        QCOMPARE(print->text(), QStringLiteral("ATTESTATO NON STAMPABILE"));
        QVERIFY(!print->isEnabled());
        QCOMPARE(QApplication::focusWidget(), button(screen, "Command1"));
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(m_services->printerDouble.begun, 0);

        play(*m_session, 20, 40);
        QVERIFY(returnTo(screen));
        QCOMPARE(text(screen, "lblRapporto"), QStringLiteral("SUFFICIENTE (!)"));
        QCOMPARE(
            text(screen, "lblPerche"), QStringLiteral("Per aver dato 20 risposte esatte su 40"));
        QCOMPARE(print->text(), QStringLiteral("STAMPA  L'ATTESTATO "));
        QVERIFY(print->isEnabled());

        play(*m_session, 4, 10);
        QVERIFY(returnTo(screen));
        QCOMPARE(print->text(), QStringLiteral("ATTESTATO NON STAMPABILE"));
        QVERIFY(!print->isEnabled());
        QVERIFY(QApplication::focusWidget() != print);
    }

    // Opened with a passing grade, the first button holds the focus; tab goes in button order.
    void focusAndTabOrder()
    {
        play(*m_session, 9, 10);
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        QCOMPARE(QApplication::focusWidget(), button(screen, "Command2"));
        QCOMPARE(button(screen, "Command2")->nextInFocusChain(), button(screen, "Command1"));
        QCOMPARE(button(screen, "Command1")->nextInFocusChain(), button(screen, "CmdFine"));
    }

    // The eleventh operation waiting on screen is not a wrong answer.
    void unjudgedOperationNotCounted()
    {
        play(*m_session, 10, 10, true);
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        QCOMPARE(text(screen, "lblRapporto"), QStringLiteral("OTTIMO"));
        QCOMPARE(
            text(screen, "lblPerche"), QStringLiteral("Per aver dato 10 risposte esatte su 10"));
    }

    // Opened before any answer is judged: no grade and nothing to print, no crash.
    void nothingJudged()
    {
        play(*m_session, 0, 0, true);
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        QCOMPARE(text(screen, "lblRapporto"), QStringLiteral("Non classificato"));
        QCOMPARE(text(screen, "lblPerche"), QStringLiteral("Per aver dato 0 risposte esatte su 0"));
        QVERIFY(!button(screen, "Command2")->isEnabled());
    }

    // The mode and range lines come from the session record; the longest mode wraps inside
    // its box instead of being cut.
    void modeAndRangeFromSession()
    {
        play(*m_session, 9, 10);
        m_session->ModeCaption = ModeThree;
        m_session->RangeLow = 40;
        m_session->RangeHigh = 98;
        m_session->PupilName = QStringLiteral("x");
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        QCOMPARE(text(screen, "lblObiettivo2"), QStringLiteral(" Numeri da  40 a 98"));
        QCOMPARE(text(screen, "lblNome"), QStringLiteral("X"));
        QCOMPARE(m_session->PupilName, QStringLiteral("X"));
        QCOMPARE(text(screen, "lblObiettivo3"), ModeThree);
    }

    // The longest texts are shown whole inside their boxes, wrapped where they need two lines.
    void longestTextsFit()
    {
        play(*m_session, 23, 40);
        m_session->ModeCaption = ModeThree;
        m_session->RangeLow = 40;
        m_session->RangeHigh = 98;
        m_session->PupilName = QStringLiteral("massimiliano bo");
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        QCOMPARE(text(screen, "lblRapporto"), QStringLiteral("SUFFICIENTE (!)"));
        const auto labels = child<QFrame>(screen, "Frame1")->findChildren<QLabel *>();
        for (const QLabel *label : labels) {
            // Down to the last line's baseline: the boxes were drawn that tight.
            const int descent = label->fontMetrics().descent();
            const bool fits = label->wordWrap()
                ? label->heightForWidth(label->width()) - descent <= label->height()
                : label->sizeHint().width() <= label->width();
            QVERIFY2(fits, qPrintable(label->objectName()));
        }
    }

    // The page is the window without the buttons; they come back after, and each press prints
    // one page.
    void printsWithoutButtons()
    {
        play(*m_session, 36, 40);
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        const QList<QPushButton *> buttons { button(screen, "Command2"), button(screen, "Command1"),
            button(screen, "CmdFine") };
        int looked = 0;
        m_services->printerDouble.onPrintWindow = [&](QWidget *window) {
            ++looked;
            QCOMPARE(window, screen->client());
            for (QPushButton *b : buttons)
                QVERIFY2(!b->isVisible(), qPrintable(b->objectName()));
            QVERIFY(child<QWidget>(screen, "Frame1")->isVisible());
        };
        QTest::mouseClick(buttons[0], Qt::LeftButton);
        QTest::mouseClick(buttons[0], Qt::LeftButton);
        QCOMPARE(looked, 2);
        QCOMPARE(m_services->printerDouble.pages.size(), 2);
        for (const FakePrinter::Page &page : m_services->printerDouble.pages) {
            QCOMPARE(page.windows, QList<QWidget *>({ screen->client() }));
            QVERIFY(page.lines.isEmpty());
        }
        for (QPushButton *b : buttons)
            QVERIFY(b->isVisible());
        QCOMPARE(QApplication::focusWidget(), buttons[0]);
        QVERIFY(m_services->messages.isEmpty());
        QVERIFY(m_services->registry.existing(ScreenId::Certificate));
    }

    // No printer: the offer of a PDF; Yes saves the card without its buttons under the ready
    // name, and the buttons come back. Ctrl+S saves it too, unless it cannot be printed.
    void savedAsPdf()
    {
        m_services->printerDouble.state.kind = PrinterState::None;
        m_services->answers = { MsgAnswer::No, MsgAnswer::Yes };
        m_session->PupilName = QStringLiteral("aNNA");
        play(*m_session, 36, 40);
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        QStringList shownWhilePrinting;
        m_services->printerDouble.onPrintWindow = [&](QWidget *) {
            for (const char *name : { "Command2", "Command1", "CmdFine" }) {
                if (button(screen, name)->isVisible())
                    shownWhilePrinting.append(QLatin1String(name));
            }
        };
        QTest::mouseClick(button(screen, "Command2"), Qt::LeftButton);
        QTest::mouseClick(button(screen, "Command2"), Qt::LeftButton);
        QCOMPARE(m_services->messages.size(), 2);
        QTest::keyClick(screen, Qt::Key_S, Qt::ControlModifier);

        const QString ready =
            QStringLiteral("/home/maestra/Documenti/Attestato - Anna - 08-12-2026.pdf");
        QCOMPARE(m_services->pdfQuestions, QStringList({ ready, ready }));
        const auto &pages = m_services->printerDouble.pages;
        QCOMPARE(pages.size(), 2);
        for (const FakePrinter::Page &page : pages) {
            QCOMPARE(page.pdfPath, ready);
            QCOMPARE(page.windows, QList<QWidget *> { screen->client() });
        }
        QVERIFY2(shownWhilePrinting.isEmpty(), qPrintable(shownWhilePrinting.join(',')));
        for (const char *name : { "Command2", "Command1", "CmdFine" })
            QVERIFY2(button(screen, name)->isVisible(), name);

        // "Non classificato": no page by any road.
        play(*m_session, 10, 40);
        QVERIFY(returnTo(screen));
        QTest::keyClick(screen, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(m_services->messages.size(), 2);
    }

    // "FINE SESSIONE" ends the program at once, with every screen still open.
    void endSession()
    {
        play(*m_session, 36, 40);
        m_services->registry.show(ScreenId::Exercise);
        m_services->registry.show(ScreenId::Report);
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        QTest::mouseClick(button(screen, "Command1"), Qt::LeftButton);
        QCOMPARE(m_services->endRequests, 1);
        for (ScreenId id : { ScreenId::Exercise, ScreenId::Report, ScreenId::Certificate })
            QVERIFY(m_services->registry.existing(id));
        QVERIFY(m_services->messages.isEmpty());
    }

    // "ESCI" closes only the certificate; reopened, it starts from the current grade.
    void exitAndReopen()
    {
        play(*m_session, 10, 40);
        m_services->registry.show(ScreenId::Exercise);
        FrmAttestato *screen = openCertificate();
        QVERIFY(screen);
        QVERIFY(!button(screen, "Command2")->isEnabled());
        QTest::mouseClick(button(screen, "CmdFine"), Qt::LeftButton);
        QVERIFY(!m_services->registry.existing(ScreenId::Certificate));
        QVERIFY(m_services->registry.existing(ScreenId::Exercise));
        QCOMPARE(m_services->endRequests, 0);
        flushDeletedScreens();

        play(*m_session, 30, 40);
        screen = openCertificate();
        QVERIFY(screen);
        QVERIFY(button(screen, "Command2")->isEnabled());
        QCOMPARE(text(screen, "lblRapporto"), QStringLiteral("BUONO"));
    }
};

QTEST_MAIN(TestCertificateScreen)
#include "tst_certificatescreen.moc"
