// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "core/SessionRecord.h"
#include "start/FrmInizio.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

// The name panel of the start screen on its own: what the name field lets in, and when a name
// is accepted.
class TestNameEntry : public QObject
{
    Q_OBJECT

private:
    // Types text key by key, letters outside ASCII included.
    static void typeText(QWidget *widget, const QString &text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 128) {
                QTest::keyClick(widget, char(c.unicode()));
            } else {
                QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), {});
                QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), {});
            }
        }
    }

    struct Fixture
    {
        SessionRecord session;
        FakeServices services;
        FrmInizio *screen = nullptr;
        QLineEdit *name = nullptr;

        Fixture()
        {
            screen =
                new FrmInizio(session, services.screens(), services, services, services, services);
            screen->show();
            QVERIFY(QTest::qWaitForWindowActive(screen));
            name = screen->findChild<QLineEdit *>(QStringLiteral("txtNome"));
        }
        ~Fixture()
        {
            delete screen;
            flushDeletedScreens();
        }
        QFrame *namePanel() const { return screen->findChild<QFrame *>(QStringLiteral("Frame2")); }
        QPushButton *button(const char *objectName) const
        {
            return screen->findChild<QPushButton *>(QString::fromLatin1(objectName));
        }
        // Types a name and hands it in with Enter or with AVANTI.
        void submitName(const QString &typed, bool byEnter) const
        {
            QTest::keyClicks(name, typed);
            if (byEnter)
                QTest::keyClick(name, Qt::Key_Return);
            else
                button("cmdAvanti")->click();
        }
    };

private slots:
    // The name field has the focus as soon as the screen opens.
    void focusStartsInNameField()
    {
        Fixture f;
        QVERIFY(f.name);
        QCOMPARE(QApplication::focusWidget(), f.name);
        QCOMPARE(f.name->accessibleName(), QStringLiteral("Nome"));
    }

    // Typed digits are refused, each with one beep; everything else goes in as typed.
    void typedDigitsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("beeps");
        QTest::newRow("letters then a digit") << "abc7"
                                              << "abc" << 1;
        QTest::newRow("zero") << "0"
                              << "" << 1;
        QTest::newRow("five") << "5"
                              << "" << 1;
        QTest::newRow("nine") << "9"
                              << "" << 1;
        QTest::newRow("digits between letters") << "a1b2c3"
                                                << "abc" << 3;
        QTest::newRow("accents, blanks, punctuation") << "Zoë d'Anna-è"
                                                      << "Zoë d'Anna-è" << 0;
    }
    void typedDigitsRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, beeps);
        Fixture f;
        typeText(f.name, typed);
        QCOMPARE(f.name->text(), kept);
        QCOMPARE(f.services.beeps, beeps);
    }

    // A sixteenth character cannot be typed.
    void typingStopsAtFifteen()
    {
        Fixture f;
        QTest::keyClicks(f.name, QStringLiteral("abcdefghijklmnopq"));
        QCOMPARE(f.name->text(), QStringLiteral("abcdefghijklmno"));
        QCOMPARE(f.services.beeps, 0);
    }

    // Pasted text loses its digits first (one beep for the lot) and is then cut to 15.
    void pastedText_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("beeps");
        QTest::newRow("long name cut") << ""
                                       << "Massimiliano Bianchi"
                                       << "Massimiliano Bi" << 0;
        QTest::newRow("digits dropped") << ""
                                        << "Ma2rio 2024"
                                        << "Mario " << 1;
        QTest::newRow("digits dropped before the cut") << ""
                                                       << "abcdefghijkl12mnop"
                                                       << "abcdefghijklmno" << 1;
        QTest::newRow("only digits") << "Li"
                                     << "12345"
                                     << "Li" << 1;
        QTest::newRow("added to a typed name") << "Anna"
                                               << " Maria Rossi"
                                               << "Anna Maria Ross" << 0;
    }
    void pastedText()
    {
        QFETCH(QString, before);
        QFETCH(QString, clipboard);
        QFETCH(QString, kept);
        QFETCH(int, beeps);
        Fixture f;
        QTest::keyClicks(f.name, before);
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(f.name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.name->text(), kept);
        QCOMPARE(f.services.beeps, beeps);
    }

    // Dropped text loses its digits too.
    void droppedTextLosesDigits()
    {
        Fixture f;
        QMimeData dragged;
        dragged.setText(QStringLiteral("Lu3ca77"));
        const QPoint at = f.name->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.name, &enter);
        QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.name, &drop);
        QCOMPARE(f.name->text(), QStringLiteral("Luca"));
        QCOMPARE(f.services.beeps, 1);
    }

    // Digits put in by any other way are taken out as well: the program's own code, or an
    // assistive technology setting or inserting text; the length limit holds there too.
    void digitsNeverStay()
    {
        Fixture f;
        f.name->setText(QStringLiteral("Gi4no"));
        QCOMPARE(f.name->text(), QStringLiteral("Gino"));
        QCOMPARE(f.services.beeps, 1);

        QAccessibleInterface *assistive = QAccessible::queryAccessibleInterface(f.name);
        QVERIFY(assistive && assistive->editableTextInterface());
        assistive->setText(QAccessible::Value, QStringLiteral("Lu7ca"));
        QCOMPARE(f.name->text(), QStringLiteral("Luca"));
        // The digit goes before the cut, so it takes no letter's place.
        assistive->editableTextInterface()->insertText(4, QStringLiteral(" 9Maria Bianchi"));
        QCOMPARE(f.name->text(), QStringLiteral("Luca Maria Bian"));
        assistive->editableTextInterface()->insertText(0, QStringLiteral("X"));
        QCOMPARE(f.name->text(), QStringLiteral("Luca Maria Bian"));
        QCOMPARE(f.services.beeps, 3);
    }

    // An empty name or a name of blanks is refused with "Introduci il nome", titled
    // "distrazione", by Enter and by AVANTI alike; the pupil is back in the name field.
    void missingNameRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("empty, Enter") << "" << true;
        QTest::newRow("empty, AVANTI") << "" << false;
        QTest::newRow("blanks, Enter") << "   " << true;
        QTest::newRow("blanks, AVANTI") << "   " << false;
    }
    void missingNameRefused()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        Fixture f;
        f.submitName(typed, byEnter);

        QCOMPARE(f.services.messages.size(), 1);
        QCOMPARE(f.services.messages.first().text, QStringLiteral("Introduci il nome"));
        QCOMPARE(f.services.messages.first().title, QStringLiteral("distrazione"));
        QCOMPARE(f.services.messages.first().style, MsgBox::OkOnly);
        QVERIFY(f.namePanel()->isVisible());
        QVERIFY(f.session.PupilName.isEmpty());
        QCOMPARE(QApplication::focusWidget(), f.name);
        QCOMPARE(f.name->text(), typed);
    }

    // A name is stored exactly as typed, the name panel goes for good and the focus moves to
    // the first range button.
    void nameAccepted_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("mixed case, Enter") << "aBC" << true;
        QTest::newRow("mixed case, AVANTI") << "aBC" << false;
        QTest::newRow("blanks kept around a name") << " Anna " << true;
    }
    void nameAccepted()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        Fixture f;
        f.submitName(typed, byEnter);

        QVERIFY(f.services.messages.isEmpty());
        QCOMPARE(f.session.PupilName, typed);
        QVERIFY(!f.namePanel()->isVisible());
        QPushButton *first = f.button("Command1");
        QVERIFY(first->isVisible());
        QCOMPARE(first->text(), QStringLiteral("NUMERO MAX DA 1 A 10"));
        QCOMPARE(QApplication::focusWidget(), first);
        QVERIFY(f.services.registry.existing(ScreenId::Exercise) == nullptr);
    }

    // Until a name is accepted the name panel covers the range buttons.
    void rangeButtonsHiddenUntilNamed()
    {
        Fixture f;
        QFrame *names = f.namePanel();
        QPushButton *first = f.button("Command1");
        const QPoint centre = first->mapTo(f.screen->client(), first->rect().center());
        QWidget *hit = f.screen->client()->childAt(centre);
        QVERIFY(hit == names || names->isAncestorOf(hit));
    }
};

QTEST_MAIN(TestNameEntry)
#include "tst_nameentry.moc"
