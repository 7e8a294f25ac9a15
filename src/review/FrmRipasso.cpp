// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "review/FrmRipasso.h"

#include "core/SessionFacts.h"
#include "core/SessionRecord.h"
#include "core/StartChoices.h"
#include "drill/AnswerDrill.h"
#include "drill/AnswerField.h"
#include "drill/Keypad.h"
#include "drill/ModeColours.h"
#include "drill/OperationPanel.h"
#include "frame/Clock.h"
#include "frame/Colour.h"
#include "frame/ColumnWorkingView.h"
#include "frame/Controls.h"
#include "frame/Messages.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QString AskPrompt = QStringLiteral(" Digita il risultato e premi Invio");
const QString GoOnPrompt = QStringLiteral(" Premi Invio o \"Avanti\" per continuare");
const QString EndPrompt = QStringLiteral(" Premi Invio per tornare agli esercizi");
// The review's questions are one set; the answer typed changes no instruction.
const AnswerDrill::Prompts Prompts { AskPrompt, AskPrompt, AskPrompt, GoOnPrompt, EndPrompt,
    EndPrompt };

} // namespace

FrmRipasso::FrmRipasso(SessionRecord &session, const Roles &roles)
    : m_session(session), m_roles(roles),
      m_practice(session, roles.pupilRegister, roles.clock.timeOfDay())
{
    setObjectName(QStringLiteral("FrmRipasso"));
    setWindowTitle(QStringLiteral("RIPASSO"));
    AnswerDrill::shapeScreen(this);
    buildControls();
    readSession();
    ask();
}

void FrmRipasso::buildControls()
{
    QWidget *area = client();

    lblTitolo = Controls::label(area, QStringLiteral("lblTitolo"), QStringLiteral(" RIPASSO"),
        Controls::arial(21.75, true));
    Controls::setBackground(lblTitolo, Colour::rgb(250, 200, 110));
    Controls::setTextColour(lblTitolo, Colour::rgb(128, 0, 0));
    Controls::place(lblTitolo, -30, 0, 11985, 555);
    lblDomanda = Controls::label(
        area, QStringLiteral("lblDomanda"), QString(), Controls::arial(20.25, true));
    Controls::setBackground(lblDomanda, Colour::rgb(255, 240, 150));
    Controls::setTextColour(lblDomanda, Colour::rgb(128, 0, 0));
    Controls::place(lblDomanda, -30, 540, 11985, 555);

    m_drill = new AnswerDrill(area, m_roles.messages, m_roles.sound, m_roles.launcher);
    TxtRisultato = m_drill->answerField();
    Controls::setTextColour(TxtRisultato, Colour::fromValue(StartChoices::AnswerTextColour));

    lblFine =
        Controls::label(area, QStringLiteral("lblFine"), QString(), Controls::arial(26, true));
    lblFine->setAlignment(Qt::AlignCenter);
    lblFine->setWordWrap(true);
    Controls::setTextColour(lblFine, Colour::rgb(128, 0, 0));
    Controls::place(lblFine, 90, 1080, 11535, 2265);
    lblFine->hide();

    lblGiusto =
        Controls::label(area, QStringLiteral("lblGiusto"), QString(), Controls::arial(18, true));
    lblGiusto->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Controls::setTextColour(lblGiusto, Colour::rgb(0, 0, 192));
    Controls::place(lblGiusto, 600, 4905, 6375, 555);

    // After a wrong answer where a ten has to be changed, the worked solution takes the place
    // of the keypad, which has nothing to do until the next question.
    picColonna = new ColumnWorkingView(area, QStringLiteral("picColonna"),
        { Colour::rgb(0, 0, 192), Colour::rgb(255, 0, 0), Colour::rgb(128, 0, 0) });
    Controls::place(picColonna, 7950, 3420, 3800, 4470);
    picColonna->hide();

    auto action = [&](const QString &name, const QString &caption, const QString &spoken) {
        QPushButton *button = Controls::button(area, name, caption, Controls::arial(12, true));
        button->setAccessibleName(spoken);
        button->setCursor(Qt::PointingHandCursor);
        Controls::place(button, 960, 5715, 6810, 495);
        return button;
    };
    cmdVerifica = action(QStringLiteral("cmdVerifica"), QStringLiteral("V e r i f i c a "),
        QStringLiteral("Verifica"));
    cmdAvanti =
        action(QStringLiteral("cmdAvanti"), QStringLiteral("Avanti"), QStringLiteral("Avanti"));
    cmdTorna = action(QStringLiteral("cmdTorna"), QStringLiteral("Torna agli esercizi"),
        QStringLiteral("Torna agli esercizi"));

    QWidget::setTabOrder(TxtRisultato, cmdVerifica);
    QWidget::setTabOrder(cmdVerifica, cmdAvanti);
    QWidget::setTabOrder(cmdAvanti, cmdTorna);

    // "V e r i f i c a " shows only while there is an answer to check.
    m_drill->attach({ nullptr, nullptr, cmdVerifica, cmdAvanti, cmdTorna }, Prompts, true);
    connect(m_drill, &AnswerDrill::submitted, this, &FrmRipasso::check);
    connect(m_drill, &AnswerDrill::submittedEmpty, this, [this] { m_roles.messages.beep(); });
    connect(cmdAvanti, &QPushButton::clicked, this, &FrmRipasso::next);
    connect(cmdTorna, &QPushButton::clicked, this, &FrmRipasso::close);
}

// The exercise screen's colours for the chosen mode.
void FrmRipasso::readSession()
{
    Exercise::applyModeColours(
        m_session, this, m_drill->panel(), { cmdVerifica, cmdAvanti, cmdTorna });
}

void FrmRipasso::ask()
{
    if (m_practice.isFinished()) {
        finish();
        return;
    }
    m_drill->ask(m_practice.ask());
    lblDomanda->setText(m_practice.questionTitle());
    lblGiusto->clear();
    showWorking(false);
    m_drill->enter(AnswerDrill::State::Waiting);
}

void FrmRipasso::check()
{
    const Review::Operation operation = m_practice.current();
    const Review::Practice::Check result = m_practice.check(TxtRisultato->text());
    m_drill->showVerdict(result.right);
    if (result.showsWorking)
        picColonna->showWorking(
            operation.difference + operation.subtrahend, operation.subtrahend, operation.askedTerm);
    lblGiusto->setText(result.rightResult);
    // A screen reader says the verdict, the right result after a wrong answer and the worked
    // solution in words, with the button the focus goes to.
    m_drill->enter(AnswerDrill::State::Judged,
        result.spoken
            + (result.showsWorking ? QLatin1Char(' ') + picColonna->accessibleDescription()
                                   : QString()));
    showWorking(result.showsWorking);
}

void FrmRipasso::next()
{
    if (m_drill->state() == AnswerDrill::State::Judged)
        ask();
}

void FrmRipasso::finish()
{
    lblFine->setText(
        m_practice.finish(Register::momentOf(m_roles.clock.today(), m_roles.clock.timeOfDay())));
    lblDomanda->clear();
    lblGiusto->clear();
    // No question follows: the answer and the verdict go, and the closing words take the
    // operation's place.
    m_drill->ask(std::nullopt);
    m_drill->enter(AnswerDrill::State::SetComplete, lblFine->text());
    lblFine->show();
    m_drill->panel()->hide();
    m_drill->keypad()->hide();
    picColonna->hide();
}

void FrmRipasso::showWorking(bool shown)
{
    picColonna->setVisible(shown);
    m_drill->keypad()->setVisible(!shown);
}
