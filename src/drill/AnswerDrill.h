// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/OperationDisplay.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

class AnswerField;
class Keypad;
class Launcher;
class Messages;
class OperationPanel;
class QLabel;
class QPushButton;
class QWidget;
class Screen;
class Sound;
class SpokenLabel;

// One question at a time answered in the answer box: the operation panel with its answer box,
// the keypad, the verdict and the instruction line, the rules of the keys, and the state the
// drill is in, which alone decides which of the screen's buttons show, whether the keypad works,
// which control has the focus and whether the answer is judged. A screen builds it in its client
// area, hands it its buttons and its instruction texts, and judges the answers it submits.
class AnswerDrill : public QObject
{
    Q_OBJECT

public:
    enum class State {
        FirstWaiting, // the first question of a set waits for its answer
        Waiting, // a later question waits for its answer
        AnswerTyped, // the answer box has held something; emptying it does not leave the state
        Judged, // the answer has been judged, the set goes on
        SetComplete, // the last answer of a set has been judged
        AllComplete, // the last answer of the last set has been judged and the run is over
    };
    static constexpr int StateCount = 6;

    // The control that takes the focus on entering a state; Unchanged leaves it where it is.
    enum class Focus { Unchanged, Answer, GoOn, NextSet };

    // What each state shows: the screen's buttons by their role, whether the keypad works and
    // the focus.
    struct View
    {
        bool exit = false; // leaves the screen
        bool report = false; // shows what has been done
        bool verify = false; // judges the answer
        bool goOn = false; // the next question of the set
        bool nextSet = false; // the next set, or the end
        bool keypad = false; // the keypad's keys respond and the answer box is open
        Focus focus = Focus::Unchanged;
    };
    static const View &view(State state);

    // The screen's buttons for each role; a role the screen has not stays null.
    struct Buttons
    {
        QPushButton *exit = nullptr;
        QPushButton *report = nullptr;
        QPushButton *verify = nullptr;
        QPushButton *goOn = nullptr;
        QPushButton *nextSet = nullptr;
    };
    using Prompts = std::array<QString, StateCount>; // the instruction line, state by state

    // Builds the panel, the verdict, the instruction line and the keypad in the screen's area,
    // in this order, at their places.
    // A wrong key beeps (messages); a right answer plays the program's sound.
    AnswerDrill(QWidget *area, Messages &messages, Sound &sound, Launcher &launcher);
    // The exercise's window for a screen with a drill: its green, a fixed frame and its size,
    // centred. A menu bar comes first, as it takes its height above the client area.
    static void shapeScreen(Screen *screen);

    // verifyOnlyWithAnswer: the verify button hides again while the answer box is empty.
    void attach(const Buttons &buttons, const Prompts &prompts, bool verifyOnlyWithAnswer = false);

    OperationPanel *panel() const { return m_panel; }
    AnswerField *answerField() const { return m_answer; }
    Keypad *keypad() const { return m_keypad; }

    State state() const { return m_state; }
    // From the judgement until the next question: the answer box and the keypad take nothing.
    bool isJudged() const;
    // No answer is being timed: between two sets, or after the last.
    bool isBetweenSets() const;
    QString answer() const;

    // Shows the next question (none keeps the last one on show) with an empty answer box, no
    // verdict and no verdict read with the buttons. The screen then enters a waiting state,
    // which opens the box.
    void ask(const std::optional<Exercise::OperationView> &question);
    // Judges the answer on show against the expected digits: the box and keypad close, the
    // verdict shows and is announced, a right answer plays its sound. The screen then enters
    // Judged, SetComplete or AllComplete.
    bool judge(const QString &expected);
    // The same, for an answer the screen has judged itself.
    void showVerdict(bool right);
    // The verdict read with the buttons goes, the verdict on show stays.
    void forgetSpokenVerdict();
    // Shows, enables and focuses what the state's row says; a screen reader reads spokenVerdict
    // with the button that takes the focus.
    void enter(State state, const QString &spokenVerdict = QString());

signals:
    // The answer box's text after each change that stands.
    void answerChanged(const QString &text);
    // Enter or the verify button with an answer in an open box: the screen judges it.
    void submitted();
    // Enter or the verify button with nothing in the box.
    void submittedEmpty();
    void stateEntered(AnswerDrill::State state);

private:
    void keyPressed(int &keyAscii);
    void submit();
    void typeDigits(const QString &digits);
    void onAnswerChanged(const QString &text);
    bool hidesVerify() const;
    QWidget *focusControl(Focus focus) const;

    Messages &m_messages;
    Sound &m_sound;
    Launcher &m_launcher;
    OperationPanel *m_panel = nullptr;
    AnswerField *m_answer = nullptr;
    QLabel *m_verdict = nullptr;
    QLabel *m_prompt = nullptr;
    Keypad *m_keypad = nullptr;
    Buttons m_buttons;
    QList<SpokenLabel *> m_spokenVerdicts;
    Prompts m_prompts;
    bool m_verifyOnlyWithAnswer = false;
    State m_state = State::FirstWaiting;
};
