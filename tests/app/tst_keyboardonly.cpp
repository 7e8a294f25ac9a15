// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeProgram.h"
#include "core/SessionRecord.h"
#include "frame/ProgramStyle.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The whole program on the fake desktop, used with the keyboard alone: every key goes to
// whatever has the focus, as on a real desktop.
class Keyboard : public FakeProgram
{
public:
    static QWidget *focus() { return QApplication::focusWidget(); }
    static QString focusName()
    {
        return focus() ? focus()->objectName() : QStringLiteral("(none)");
    }

    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QVERIFY(focus());
        QTest::keyClick(focus(), key, modifiers);
    }
    // As on a desktop: the press goes to the focus, the release to wherever the focus is then.
    static void pressAndRelease(Qt::Key key)
    {
        QVERIFY(focus());
        QTest::keyPress(focus(), key);
        QVERIFY(focus());
        QTest::keyRelease(focus(), key);
    }
    static void type(const QString &text)
    {
        QVERIFY(focus());
        QTest::keyClicks(focus(), text);
    }

    Screen *screen(ScreenId id) const { return services.registry.existing(id); }

    // Waits until the screen is the active window, so that keys reach it.
    bool comesToFront(ScreenId id)
    {
        Screen *shown = screen(id);
        return shown && QTest::qWaitForWindowActive(shown);
    }

    // The names of the controls that Tab visits from the focus until it comes back round.
    static QStringList tabCycle()
    {
        QStringList visited;
        QWidget *first = focus();
        if (!first)
            return visited;
        visited.append(first->objectName());
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(focus(), Qt::Key_Tab);
            if (focus() == first)
                return visited;
            visited.append(focusName());
        }
        visited.append(QStringLiteral("(never back)"));
        return visited;
    }

    // Answers the operation on show with the keyboard and leaves the focus where the check put it.
    void answer(const QString &text)
    {
        QCOMPARE(focusName(), QStringLiteral("TxtRisultato"));
        services.advance(5);
        type(text);
        press(Qt::Key_Return);
    }
};

QStringList names(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *name : list)
        result.append(QString::fromLatin1(name));
    return result;
}

} // namespace

// A whole session, and every screen on the way, with the keyboard alone.
class TestKeyboardOnly : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(createProgramStyle()); }
    void init() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { flushDeletedScreens(); }

    // Name, mode, range, forty answers, the report, the certificate printed and the session
    // ended: all by keys sent to whatever has the focus.
    void wholeSession()
    {
        Keyboard keys;
        QVERIFY(keys.comesToFront(ScreenId::Start));
        QCOMPARE(Keyboard::focusName(), QStringLiteral("txtNome"));
        Keyboard::type(QStringLiteral("lucia"));
        Keyboard::press(Qt::Key_Return);
        QCOMPARE(keys.session.PupilName, QStringLiteral("lucia"));
        QCOMPARE(Keyboard::focusName(), QStringLiteral("Command1"));

        // Back to the mode list, the second mode with the arrow key, then the third range.
        Keyboard::press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Keyboard::focusName(), QStringLiteral("Combo1"));
        Keyboard::press(Qt::Key_Down);
        QCOMPARE(qobject_cast<QComboBox *>(Keyboard::focus())->currentIndex(), 1);
        Keyboard::press(Qt::Key_Tab);
        Keyboard::press(Qt::Key_Tab);
        Keyboard::press(Qt::Key_Tab);
        QCOMPARE(Keyboard::focusName(), QStringLiteral("Command3"));
        Keyboard::press(Qt::Key_Space);
        QCOMPARE(keys.session.RangeLevel, 3);
        QCOMPARE(keys.session.AskedTermLow, 2);

        QVERIFY(keys.comesToFront(ScreenId::Exercise));
        keys.services.answers = {
            MsgAnswer::Yes
        }; // to "Vuoi visualizzare le operazioni eseguite?"
        for (int operation = 1; operation <= 40; ++operation) {
            keys.answer(keys.session.ExpectedAnswerText);
            QCOMPARE(keys.session.RightCount, operation);
            if (operation == 40)
                break;
            const QString next = operation % 10 == 0 ? QStringLiteral("CmdEsercizio")
                                                     : QStringLiteral("CmdOperazione");
            QCOMPARE(Keyboard::focusName(), next);
            Keyboard::press(Qt::Key_Space);
            QCOMPARE(keys.session.OpCount, operation + 1);
        }
        QCOMPARE(keys.services.messages.size(), 1);
        QCOMPARE(keys.services.messages.last().title, QStringLiteral("FINE ESERCITAZIONE"));

        // Yes to the question: the report comes to the front with the focus on "ESCI".
        QVERIFY(keys.comesToFront(ScreenId::Report));
        QCOMPARE(Keyboard::focusName(), QStringLiteral("Command1"));
        QCOMPARE(
            keys.screen(ScreenId::Report)->findChild<QLabel *>(QStringLiteral("LblOp40"))->text(),
            keys.session.OpRecords[40]);
        Keyboard::press(Qt::Key_Tab);
        Keyboard::press(Qt::Key_Tab);
        QCOMPARE(Keyboard::focusName(), QStringLiteral("Command2"));
        Keyboard::press(Qt::Key_Space);

        QVERIFY(keys.comesToFront(ScreenId::Certificate));
        QCOMPARE(Keyboard::focusName(), QStringLiteral("Command2"));
        QCOMPARE(keys.screen(ScreenId::Certificate)
                     ->findChild<QLabel *>(QStringLiteral("lblRapporto"))
                     ->text(),
            QStringLiteral("OTTIMO"));
        Keyboard::press(Qt::Key_Space);
        QCOMPARE(keys.services.printerDouble.pages.size(), 1);
        Keyboard::press(Qt::Key_Tab);
        QCOMPARE(Keyboard::focusName(), QStringLiteral("Command1"));
        QCOMPARE(keys.services.endRequests, 0);
        Keyboard::press(Qt::Key_Space);
        QCOMPARE(keys.services.endRequests, 1);
    }

    // Digits and Enter alone carry a whole session: Enter accepts the name, presses the range
    // button, judges each answer and presses the button the check gave the focus. The Enter
    // that judges never also presses that button.
    void wholeSessionByDigitsAndEnter()
    {
        Keyboard keys;
        QVERIFY(keys.comesToFront(ScreenId::Start));
        Keyboard::type(QStringLiteral("lucia"));
        Keyboard::pressAndRelease(Qt::Key_Return);
        QCOMPARE(Keyboard::focusName(), QStringLiteral("Command1"));
        QVERIFY(!keys.screen(ScreenId::Exercise));
        Keyboard::pressAndRelease(Qt::Key_Enter); // the keypad's Enter, on "NUMERO MAX DA 1 A 10"
        QVERIFY(keys.comesToFront(ScreenId::Exercise));

        keys.services.answers = { MsgAnswer::Yes };
        for (int operation = 1; operation <= 40; ++operation) {
            QCOMPARE(Keyboard::focusName(), QStringLiteral("TxtRisultato"));
            Keyboard::type(keys.session.ExpectedAnswerText);
            Keyboard::pressAndRelease(Qt::Key_Return);
            QCOMPARE(keys.session.RightCount, operation);
            QCOMPARE(keys.session.OpCount, operation);
            if (operation < 40)
                Keyboard::pressAndRelease(Qt::Key_Return);
        }
        QVERIFY(keys.comesToFront(ScreenId::Report));
        QCOMPARE(keys.services.beeps, 0);
        QCOMPARE(
            keys.screen(ScreenId::Report)->findChild<QLabel *>(QStringLiteral("LblOp40"))->text(),
            keys.session.OpRecords[40]);
        // On the report, Enter on the focused "ESCI" closes it.
        Keyboard::pressAndRelease(Qt::Key_Return);
        QVERIFY(!keys.screen(ScreenId::Report));
    }

    // At the end of an exercise "Visualizza  esercizio" is one Tab away; it opens the report
    // with the focus on its print button, which prints by Space.
    void reportFromTheExerciseScreen()
    {
        Keyboard keys;
        QVERIFY(keys.comesToFront(ScreenId::Start));
        Keyboard::type(QStringLiteral("Ugo"));
        Keyboard::press(Qt::Key_Return);
        Keyboard::press(Qt::Key_Space); // "NUMERO MAX DA 1 A 10"
        QVERIFY(keys.comesToFront(ScreenId::Exercise));
        for (int operation = 1; operation <= 10; ++operation) {
            keys.answer(keys.session.ExpectedAnswerText);
            if (operation < 10)
                Keyboard::press(Qt::Key_Space);
        }
        QCOMPARE(Keyboard::focusName(), QStringLiteral("CmdEsercizio"));
        Keyboard::press(Qt::Key_Tab);
        QCOMPARE(Keyboard::focusName(), QStringLiteral("CmdStampa"));
        Keyboard::press(Qt::Key_Space);
        QVERIFY(keys.comesToFront(ScreenId::Report));
        QCOMPARE(Keyboard::focusName(), QStringLiteral("cmdStampaS"));
        Keyboard::press(Qt::Key_Space);
        QCOMPARE(keys.services.printerDouble.pages.size(), 1);
        QCOMPARE(keys.services.printerDouble.pages.first().lines.size() > 10, true);
    }

    // The menu bars are reached with the keyboard too: Alt, the arrow keys and Enter.
    void menusByKeyboard()
    {
        Keyboard keys;
        QVERIFY(keys.comesToFront(ScreenId::Start));
        // Start screen: File, ?, Scala di valutazione.
        Keyboard::press(Qt::Key_Alt);
        QCOMPARE(Keyboard::focus()->metaObject()->className(), "QMenuBar");
        Keyboard::press(Qt::Key_Right);
        Keyboard::press(Qt::Key_Right);
        Keyboard::press(Qt::Key_Return);
        QVERIFY(keys.comesToFront(ScreenId::Scale));
        // The window manager closes it (Alt+F4) and gives the start screen back its activation.
        keys.services.registry.close(ScreenId::Scale);
        keys.screen(ScreenId::Start)->activateWindow();
        QVERIFY(keys.comesToFront(ScreenId::Start));
        QCOMPARE(Keyboard::focusName(), QStringLiteral("txtNome"));

        Keyboard::type(QStringLiteral("Ugo"));
        Keyboard::press(Qt::Key_Return);
        Keyboard::press(Qt::Key_Space);
        QVERIFY(keys.comesToFront(ScreenId::Exercise));
        for (int operation = 1; operation <= 11; ++operation) {
            keys.answer(keys.session.ExpectedAnswerText);
            if (operation < 11)
                Keyboard::press(Qt::Key_Space);
        }
        // Exercise screen: File opens on Down; its second entry is "Visualizza attestato".
        Keyboard::press(Qt::Key_Alt);
        Keyboard::press(Qt::Key_Down);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        QVERIFY(keys.comesToFront(ScreenId::Certificate));
        QCOMPARE(Keyboard::focusName(), QStringLiteral("Command2"));
    }

    // The analysis from the report's menu (Alt+F, then its entry); its buttons by Tab, Enter and
    // Space.
    void analysisByKeyboard()
    {
        Keyboard keys;
        QVERIFY(keys.comesToFront(ScreenId::Start));
        Keyboard::type(QStringLiteral("Ugo"));
        Keyboard::press(Qt::Key_Return);
        Keyboard::press(Qt::Key_Space);
        QVERIFY(keys.comesToFront(ScreenId::Exercise));
        keys.answer(QStringLiteral("99"));
        keys.services.registry.show(ScreenId::Report);
        QVERIFY(keys.comesToFront(ScreenId::Report));

        Keyboard::press(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
        QVERIFY(keys.comesToFront(ScreenId::Analysis));
        // The buttons, then the heading, the table's row and the sentence in words.
        QCOMPARE(Keyboard::tabCycle(),
            names({ "cmdEsci", "cmdStampaA", "cmdStampaScheda", "lblIntestazione1Words",
                "lblIntestazione2Words", "lblIntestazione3Words", "lblTabella1_0Words",
                "lblErrore1Words" }));
        Keyboard::press(Qt::Key_Tab);
        Keyboard::press(Qt::Key_Return);
        QCOMPARE(keys.services.printerDouble.pages.size(), 1);
        Keyboard::press(Qt::Key_Tab);
        Keyboard::press(Qt::Key_Return);
        QCOMPARE(keys.services.printerDouble.pages.size(), 2);
        Keyboard::press(Qt::Key_Tab, Qt::ShiftModifier);
        Keyboard::press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Keyboard::focusName(), QStringLiteral("cmdEsci"));
        Keyboard::press(Qt::Key_Space);
        QVERIFY(!keys.screen(ScreenId::Analysis));
    }

    // Tab goes round each screen in the order its layout gives, past every control that can be
    // used and past nothing that cannot.
    void tabOrder_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QStringList>("cycle");
        QTest::newRow("start, name entry")
            << 0 << names({ "txtNome", "Combo1", "cmdAvanti", "cmdFine" });
        QTest::newRow("start, choosing") << 1
                                         << names({ "Command1", "Command2", "Command3", "Command4",
                                                "Command5", "Command6", "Command9", "Combo1" });
        // The buttons first, then each text a screen reader reads in words, top to bottom.
        QTest::newRow("report") << 2
                                << names({ "Command1", "cmdStampaS", "Command2", "LblOp1Words",
                                       "Label1Words", "Label2Words", "Label3Words",
                                       "Label4Words" });
        QTest::newRow("certificate")
            << 3
            << names({ "Command2", "Command1", "CmdFine", "Label1Words", "Label2Words",
                   "lblNomeWords", "lblMotivoWords", "lblObiettivo1Words", "lblObiettivo3Words",
                   "lblObiettivo2Words", "Label3Words", "lblRapportoWords", "lblPercheWords",
                   "lblDataWords" });
    }
    void tabOrder()
    {
        QFETCH(int, stage);
        QFETCH(QStringList, cycle);
        Keyboard keys;
        QVERIFY(keys.comesToFront(ScreenId::Start));
        if (stage >= 1) {
            Keyboard::type(QStringLiteral("Ugo"));
            Keyboard::press(Qt::Key_Return);
        }
        if (stage >= 2) {
            Keyboard::press(Qt::Key_Space);
            QVERIFY(keys.comesToFront(ScreenId::Exercise));
            keys.answer(keys.session.ExpectedAnswerText);
            keys.services.registry.show(stage == 2 ? ScreenId::Report : ScreenId::Certificate);
            QVERIFY(keys.comesToFront(stage == 2 ? ScreenId::Report : ScreenId::Certificate));
        }
        QCOMPARE(Keyboard::tabCycle(), cycle);
    }

    // Before a name is accepted no range can be chosen, by Tab or otherwise: the range buttons
    // lie under the name panel.
    void noRangeBeforeTheName()
    {
        Keyboard keys;
        QVERIFY(keys.comesToFront(ScreenId::Start));
        for (int i = 0; i < 12; ++i) {
            Keyboard::press(Qt::Key_Tab);
            QVERIFY2(!Keyboard::focusName().startsWith(QStringLiteral("Command")),
                qPrintable(Keyboard::focusName()));
        }
        QVERIFY(!keys.screen(ScreenId::Exercise));
    }

    // The exercise screen: after each check Tab never lands on the hidden or disabled keypad,
    // and the answer box is reached again by Tab while an operation waits.
    void exerciseTabStops()
    {
        Keyboard keys;
        QVERIFY(keys.comesToFront(ScreenId::Start));
        Keyboard::type(QStringLiteral("Ugo"));
        Keyboard::press(Qt::Key_Return);
        Keyboard::press(Qt::Key_Space);
        QVERIFY(keys.comesToFront(ScreenId::Exercise));

        const QStringList waiting = Keyboard::tabCycle();
        QCOMPARE(waiting.first(), QStringLiteral("TxtRisultato"));
        QVERIFY2(waiting.contains(QStringLiteral("CmdFine")), qPrintable(waiting.join(' ')));
        QVERIFY2(waiting.contains(QStringLiteral("cmdCancella")), qPrintable(waiting.join(' ')));
        QVERIFY(!waiting.contains(QStringLiteral("cmdSfondo")));
        QCOMPARE(keys.services.beeps, 0); // Tab moves on; the answer box never takes it as a key

        keys.answer(keys.session.ExpectedAnswerText);
        const QStringList judged = Keyboard::tabCycle();
        QCOMPARE(judged.first(), QStringLiteral("CmdOperazione"));
        QVERIFY2(!judged.contains(QStringLiteral("cmdCancella")), qPrintable(judged.join(' ')));
        QVERIFY2(!judged.contains(QStringLiteral("CmdFine")), qPrintable(judged.join(' ')));
        QVERIFY2(!judged.contains(QStringLiteral("TxtRisultato")), qPrintable(judged.join(' ')));
    }
};

QTEST_MAIN(TestKeyboardOnly)
#include "tst_keyboardonly.moc"
