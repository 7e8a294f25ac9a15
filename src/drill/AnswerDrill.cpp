// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "drill/AnswerDrill.h"

#include "core/OperationDisplay.h"
#include "core/Scoring.h"
#include "drill/AnswerField.h"
#include "drill/Keypad.h"
#include "drill/OperationPanel.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/KeyPressFilter.h"
#include "frame/Launcher.h"
#include "frame/Messages.h"
#include "frame/Screen.h"
#include "frame/Sound.h"
#include "frame/SpokenLabel.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

const AnswerDrill::View &AnswerDrill::view(State state)
{
    // clang-format off
    static const std::array<View, StateCount> views { {
        // exit   report verify goOn   nextSet keypad
        { true,  false, false, false, false, true,  Focus::Answer },
        { false, false, false, false, false, true,  Focus::Answer },
        { false, false, true,  false, false, true,  Focus::Unchanged },
        { false, false, false, true,  false, false, Focus::GoOn },
        { true,  true,  false, false, true,  false, Focus::NextSet },
        { true,  true,  false, false, false, false, Focus::Unchanged },
    } };
    // clang-format on
    return views.at(static_cast<std::size_t>(state));
}

AnswerDrill::AnswerDrill(QWidget *area, Messages &messages, Sound &sound, Launcher &launcher)
    : QObject(area), m_messages(messages), m_sound(sound), m_launcher(launcher)
{
    m_panel = new OperationPanel(area);
    Controls::place(m_panel, 90, 1080, 11535, 2265);
    m_answer = m_panel->answerField();

    m_verdict =
        Controls::label(area, QStringLiteral("LblEsito"), QString(), Controls::arial(48, true));
    m_verdict->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Controls::setTextColour(m_verdict, Colour::rgb(255, 0, 0));
    Controls::place(m_verdict, 600, 3870, 6375, 975);

    m_prompt = Controls::label(
        area, QStringLiteral("LblIstruzione"), QString(), Controls::arial(11.25, true));
    Controls::setBackground(m_prompt, Colour::rgb(192, 255, 255));
    Controls::setTextColour(m_prompt, Colour::rgb(0, 0, 192));
    Controls::place(m_prompt, 900, 7965, 10245, 270);

    m_keypad = new Keypad(area);
    Controls::place(m_keypad, 8220, 3090, 2805, 2595);

    connect(m_keypad, &Keypad::digitsPressed, this, &AnswerDrill::typeDigits);
    connect(m_keypad, &Keypad::erasePressed, this, [this] { m_answer->setAnswer(QString()); });
    connect(m_answer, &AnswerField::answerChanged, this, &AnswerDrill::onAnswerChanged);
    connect(m_answer, &AnswerField::refused, this, [this] { m_messages.beep(); });
    new KeyPressFilter(m_answer, [this](int &keyAscii) { keyPressed(keyAscii); });
}

void AnswerDrill::shapeScreen(Screen *screen)
{
    Controls::setBackground(screen, Colour::rgb(192, 255, 192));
    screen->useFixedDialogFrame();
    screen->setClientSize(11910, 8340);
    screen->centreOnScreen();
}

void AnswerDrill::attach(const Buttons &buttons, const Prompts &prompts, bool verifyOnlyWithAnswer)
{
    m_buttons = buttons;
    m_prompts = prompts;
    m_verifyOnlyWithAnswer = verifyOnlyWithAnswer;
    // The verdict is heard first, as the label of the button that takes the focus after it.
    for (QPushButton *button : { m_buttons.goOn, m_buttons.nextSet })
        if (button)
            m_spokenVerdicts.append(new SpokenLabel(button));
    if (m_buttons.verify)
        connect(m_buttons.verify, &QPushButton::clicked, this, [this] {
            if (!isJudged())
                submit();
        });
}

bool AnswerDrill::isJudged() const
{
    return m_state == State::Judged || isBetweenSets();
}

bool AnswerDrill::isBetweenSets() const
{
    return m_state == State::SetComplete || m_state == State::AllComplete;
}

QString AnswerDrill::answer() const
{
    return m_answer->text();
}

void AnswerDrill::ask(const std::optional<Exercise::OperationView> &question)
{
    if (question)
        m_panel->showOperation(*question);
    m_answer->setAnswer(QString());
    Controls::setCaption(m_verdict, QString());
    forgetSpokenVerdict();
}

void AnswerDrill::forgetSpokenVerdict()
{
    for (SpokenLabel *spoken : std::as_const(m_spokenVerdicts))
        spoken->clear();
}

bool AnswerDrill::judge(const QString &expected)
{
    const bool right = Exercise::isRight(m_answer->text(), expected);
    showVerdict(right);
    return right;
}

void AnswerDrill::showVerdict(bool right)
{
    m_state = State::Judged;
    m_answer->setJudged(true);
    m_keypad->setEnabled(false);
    if (right)
        m_sound.playSound(m_launcher.programFolder() + QStringLiteral("/positivo.wav"));
    Controls::setCaption(
        m_verdict, right ? QStringLiteral("E S A T T O") : QStringLiteral("E R R A T O"));
    QAccessibleEvent alert(m_verdict, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void AnswerDrill::enter(State state, const QString &spokenVerdict)
{
    m_state = state;
    const View &row = view(state);
    QWidget *focus = focusControl(row.focus);
    if (!spokenVerdict.isEmpty())
        for (SpokenLabel *spoken : std::as_const(m_spokenVerdicts))
            spoken->setText(spoken->buddy() == focus ? spokenVerdict : QString());
    // The answer box opens and closes with the state. The keypad works before the focus moves
    // and stops after, as controls show and hide.
    m_answer->setJudged(!row.keypad);
    if (row.keypad)
        m_keypad->setEnabled(true);
    m_prompt->setText(m_prompts.at(static_cast<std::size_t>(state)));
    Controls::switchShown({ { m_buttons.exit, row.exit }, { m_buttons.report, row.report },
                              { m_buttons.verify, row.verify && !hidesVerify() },
                              { m_buttons.goOn, row.goOn }, { m_buttons.nextSet, row.nextSet } },
        [&] {
            if (focus)
                Controls::requestFocus(focus);
        });
    if (!row.keypad)
        m_keypad->setEnabled(false);
    emit stateEntered(state);
}

bool AnswerDrill::hidesVerify() const
{
    return m_verifyOnlyWithAnswer && m_answer->text().isEmpty();
}

// The one place that names the control taking the focus in each state.
QWidget *AnswerDrill::focusControl(Focus focus) const
{
    switch (focus) {
    case Focus::Answer:
        return m_answer;
    case Focus::GoOn:
        return m_buttons.goOn;
    case Focus::NextSet:
        return m_buttons.nextSet;
    case Focus::Unchanged:
        break;
    }
    return nullptr;
}

// Digits, Enter and Backspace while the answer is open; anything else beeps and is dropped.
void AnswerDrill::keyPressed(int &keyAscii)
{
    constexpr int Enter = 13;
    constexpr int Backspace = 8;
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (isJudged() || (!digit && keyAscii != Enter && keyAscii != Backspace)) {
        m_messages.beep();
        keyAscii = 0;
        return;
    }
    if (keyAscii != Enter)
        return;
    keyAscii = 0;
    submit();
}

void AnswerDrill::submit()
{
    if (m_answer->text().isEmpty())
        emit submittedEmpty();
    else
        emit submitted();
}

// Every key appends its digits; the box keeps its first three characters.
void AnswerDrill::typeDigits(const QString &digits)
{
    m_answer->setAnswer(m_answer->text() + digits);
}

void AnswerDrill::onAnswerChanged(const QString &text)
{
    emit answerChanged(text);
    if (isJudged())
        return;
    if (!text.isEmpty())
        enter(State::AnswerTyped);
    else if (m_state == State::AnswerTyped && m_buttons.verify && m_verifyOnlyWithAnswer)
        m_buttons.verify->hide();
}
