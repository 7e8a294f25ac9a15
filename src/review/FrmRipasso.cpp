// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "review/FrmRipasso.h"

#include "drill/AnswerField.h"
#include "drill/Keypad.h"
#include "drill/ModeColours.h"
#include "core/OperationDisplay.h"
#include "drill/OperationPanel.h"
#include "core/Scoring.h"
#include "core/ReviewInput.h"
#include "core/NumberText.h"
#include "core/SessionRecord.h"
#include "core/StartChoices.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/KeyPressFilter.h"
#include "frame/Services.h"
#include "register/SessionFacts.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

namespace {

const QString AskPrompt = QStringLiteral(" Digita il risultato e premi Invio");
const QString GoOnPrompt = QStringLiteral(" Premi Invio o \"Avanti\" per continuare");
const QString EndPrompt = QStringLiteral(" Premi Invio per tornare agli esercizi");

} // namespace

FrmRipasso::FrmRipasso(SessionRecord &session, Services &services)
    : m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("FrmRipasso"));
    setWindowTitle(QStringLiteral("RIPASSO"));
    Controls::setBackground(this, Colour::rgb(192, 255, 192));
    useFixedDialogFrame();
    setClientSize(11910, 8340);
    centreOnScreen();
    buildControls();
    readSession();

    m_random.seed(m_services.timeOfDay());
    m_sequence = std::make_unique<Review::Sequence>(Review::reviewInputFrom(m_session), m_random);
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

    frmNumero = new OperationPanel(area);
    Controls::place(frmNumero, 90, 1080, 11535, 2265);
    TxtRisultato = frmNumero->answerField();
    Controls::setTextColour(TxtRisultato, Colour::fromValue(StartChoices::AnswerTextColour));

    lblFine =
        Controls::label(area, QStringLiteral("lblFine"), QString(), Controls::arial(26, true));
    lblFine->setAlignment(Qt::AlignCenter);
    lblFine->setWordWrap(true);
    Controls::setTextColour(lblFine, Colour::rgb(128, 0, 0));
    Controls::place(lblFine, 90, 1080, 11535, 2265);
    lblFine->hide();

    fraTastierino = new Keypad(area);
    Controls::place(fraTastierino, 8220, 3090, 2805, 2595);

    LblEsito =
        Controls::label(area, QStringLiteral("LblEsito"), QString(), Controls::arial(48, true));
    LblEsito->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Controls::setTextColour(LblEsito, Colour::rgb(255, 0, 0));
    Controls::place(LblEsito, 600, 3870, 6375, 975);

    lblGiusto =
        Controls::label(area, QStringLiteral("lblGiusto"), QString(), Controls::arial(18, true));
    lblGiusto->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Controls::setTextColour(lblGiusto, Colour::rgb(0, 0, 192));
    Controls::place(lblGiusto, 600, 4905, 6375, 555);

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

    LblIstruzione = Controls::label(
        area, QStringLiteral("LblIstruzione"), QString(), Controls::arial(11.25, true));
    Controls::setBackground(LblIstruzione, Colour::rgb(192, 255, 255));
    Controls::setTextColour(LblIstruzione, Colour::rgb(0, 0, 192));
    Controls::place(LblIstruzione, 900, 7965, 10245, 270);

    QWidget::setTabOrder(TxtRisultato, cmdVerifica);
    QWidget::setTabOrder(cmdVerifica, cmdAvanti);
    QWidget::setTabOrder(cmdAvanti, cmdTorna);

    connect(fraTastierino, &Keypad::digitsPressed, this, &FrmRipasso::typeDigits);
    connect(fraTastierino, &Keypad::erasePressed, this, [this] { TxtRisultato->setAnswer({}); });
    connect(TxtRisultato, &AnswerField::answerChanged, this, [this](const QString &text) {
        cmdVerifica->setVisible(m_step == Step::Asking && !text.isEmpty());
    });
    connect(TxtRisultato, &AnswerField::refused, this, [this] { m_services.beep(); });
    new KeyPressFilter(TxtRisultato, [this](int &keyAscii) { answerKey(keyAscii); });
    connect(cmdVerifica, &QPushButton::clicked, this, &FrmRipasso::check);
    connect(cmdAvanti, &QPushButton::clicked, this, &FrmRipasso::next);
    connect(cmdTorna, &QPushButton::clicked, this, &FrmRipasso::close);
}

// The exercise screen's colours for the chosen mode.
void FrmRipasso::readSession()
{
    Exercise::applyModeColours(m_session, this, frmNumero, { cmdVerifica, cmdAvanti, cmdTorna });
}

void FrmRipasso::ask()
{
    if (m_sequence->isFinished()) {
        finish();
        return;
    }
    const Review::Operation &operation = m_sequence->current();
    if (const auto view = Exercise::operationView(
            operation.difference, operation.subtrahend, operation.askedTerm)) {
        frmNumero->showOperation(*view);
        m_expected = NumberText::plainForm(view->expected);
    }
    lblDomanda->setText(QStringLiteral(" Domanda %1").arg(m_sequence->asked() + 1));
    TxtRisultato->setJudged(false);
    TxtRisultato->setAnswer(QString());
    Controls::setCaption(LblEsito, QString());
    lblGiusto->clear();
    cmdAvanti->setAccessibleDescription(QString());
    setStep(Step::Asking);
}

void FrmRipasso::check()
{
    if (m_step != Step::Asking)
        return;
    const bool right = Exercise::isRight(TxtRisultato->text(), m_expected);
    TxtRisultato->setJudged(true);
    if (right) {
        m_services.playSound(m_services.programFolder() + QStringLiteral("/positivo.wav"));
        showVerdict(QStringLiteral("E S A T T O"));
    } else {
        showVerdict(QStringLiteral("E R R A T O"));
        lblGiusto->setText(QStringLiteral("Il risultato giusto è ") + m_expected);
    }
    // A screen reader says the verdict, and the right result after a wrong answer, with the
    // button the focus goes to.
    cmdAvanti->setAccessibleDescription(right
            ? QStringLiteral("Esatto.")
            : QStringLiteral("Errato. Il risultato giusto è %1.").arg(m_expected));
    m_sequence->answer(right);
    setStep(Step::Judged);
}

void FrmRipasso::next()
{
    if (m_step == Step::Judged)
        ask();
}

void FrmRipasso::finish()
{
    Review::noteOutcome(m_session, m_sequence->reviewedCount(), m_sequence->nowRightCount());
    m_services.pupilRegister().reviewDone(
        { m_sequence->reviewedCount(), m_sequence->nowRightCount(),
            Register::momentOf(m_services.today(), m_services.timeOfDay()) });
    const int reviewed = m_sequence->reviewedCount();
    lblFine->setText((reviewed == 1 ? QStringLiteral("Hai ripassato 1 operazione")
                                    : QStringLiteral("Hai ripassato %1 operazioni").arg(reviewed))
        + QStringLiteral(": ora ne sai fare %1!").arg(m_sequence->nowRightCount()));
    lblDomanda->clear();
    Controls::setCaption(LblEsito, QString());
    lblGiusto->clear();
    cmdTorna->setAccessibleDescription(lblFine->text());
    setStep(Step::Finished);
}

void FrmRipasso::setStep(Step step)
{
    m_step = step;
    const bool asking = step == Step::Asking;
    const bool finished = step == Step::Finished;
    if (asking)
        fraTastierino->setEnabled(true);
    LblIstruzione->setText(asking ? AskPrompt : finished ? EndPrompt : GoOnPrompt);
    QWidget *focus = asking ? static_cast<QWidget *>(TxtRisultato)
        : finished          ? cmdTorna
                            : cmdAvanti;
    Controls::switchShown(
        { { frmNumero, !finished }, { fraTastierino, !finished }, { lblFine, finished },
            { cmdVerifica, asking && !TxtRisultato->text().isEmpty() },
            { cmdAvanti, step == Step::Judged }, { cmdTorna, finished } },
        [focus] { focus->setFocus(Qt::OtherFocusReason); });
    if (!asking)
        fraTastierino->setEnabled(false);
}

void FrmRipasso::answerKey(int &keyAscii)
{
    constexpr int Enter = 13;
    constexpr int Backspace = 8;
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (m_step != Step::Asking || (!digit && keyAscii != Enter && keyAscii != Backspace)) {
        m_services.beep();
        keyAscii = 0;
        return;
    }
    if (keyAscii != Enter)
        return;
    keyAscii = 0;
    if (TxtRisultato->text().isEmpty())
        m_services.beep();
    else
        check();
}

void FrmRipasso::typeDigits(const QString &digits)
{
    TxtRisultato->setAnswer(TxtRisultato->text() + digits);
}

void FrmRipasso::showVerdict(const QString &caption)
{
    Controls::setCaption(LblEsito, caption);
    QAccessibleEvent alert(LblEsito, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
