// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "drill/AnswerDrill.h"
#include "drill/AnswerField.h"
#include "drill/Keypad.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using State = AnswerDrill::State;

// The drill's rules as they hold across its states, checked on a drill with every button role.
class TestAnswerDrill : public QObject
{
    Q_OBJECT

private slots:
    void acrossStates_data()
    {
        QTest::addColumn<State>("state");
        QTest::newRow("first waiting") << State::FirstWaiting;
        QTest::newRow("waiting") << State::Waiting;
        QTest::newRow("answer typed") << State::AnswerTyped;
        QTest::newRow("judged") << State::Judged;
        QTest::newRow("set complete") << State::SetComplete;
        QTest::newRow("all complete") << State::AllComplete;
    }
    void acrossStates()
    {
        QFETCH(State, state);
        FakeServices services;
        QWidget area;
        AnswerDrill drill(&area, services, services, services);
        QList<QPushButton *> buttons;
        for (int role = 0; role < 5; ++role)
            buttons.append(new QPushButton(QString::number(role), &area));
        drill.attach({ buttons[0], buttons[1], buttons[2], buttons[3], buttons[4] }, {});
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QSignalSpy submitted(&drill, &AnswerDrill::submitted);
        drill.ask(std::nullopt);
        QTest::keyClicks(drill.answerField(), QStringLiteral("12"));
        if (state >= State::Judged)
            QVERIFY(drill.judge(QStringLiteral("12")));
        drill.enter(state);

        // At most one of the three big buttons, which share a place; the focus only on a
        // control that is shown.
        const AnswerDrill::View &view = AnswerDrill::view(state);
        QVERIFY(int(view.verify) + int(view.goOn) + int(view.nextSet) <= 1);
        if (view.focus == AnswerDrill::Focus::GoOn)
            QVERIFY(buttons[3]->isVisible() && buttons[3]->hasFocus());
        if (view.focus == AnswerDrill::Focus::NextSet)
            QVERIFY(buttons[4]->isVisible() && buttons[4]->hasFocus());
        // The keypad works exactly while the answer is open, and no set ends with one open.
        QCOMPARE(drill.keypad()->isEnabled(), !drill.isJudged());
        QCOMPARE(view.keypad, !drill.isJudged());
        QVERIFY(!drill.isBetweenSets() || drill.isJudged());
        // A judged answer takes no key, no keypad digit and no Enter: each beeps at most.
        const int beeps = services.beeps;
        QTest::keyClicks(drill.answerField(), QStringLiteral("3"));
        QTest::keyClick(drill.answerField(), Qt::Key_Return);
        drill.keypad()->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        if (drill.isJudged()) {
            QCOMPARE(drill.answer(), QStringLiteral("12"));
            QCOMPARE(services.beeps, beeps + 2);
            QCOMPARE(submitted.count(), 0);
        } else {
            QCOMPARE(drill.answer(), QStringLiteral("123")); // the box keeps three digits
            QCOMPARE(submitted.count(), 1);
        }
    }
};

Q_DECLARE_METATYPE(AnswerDrill::State)

QTEST_MAIN(TestAnswerDrill)
#include "tst_answerdrill.moc"
