// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "exercise/FrmOperativoMeno.h"

#include "core/NumberText.h"
#include "core/SessionFlow.h"
#include "core/SessionRecord.h"
#include "drill/AnswerDrill.h"
#include "drill/AnswerField.h"
#include "drill/FaceMark.h"
#include "drill/ModeColours.h"
#include "drill/OperationPanel.h"
#include "exercise/ExerciseAids.h"
#include "exercise/ExercisePanels.h"
#include "frame/Clock.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/Messages.h"
#include "frame/ScreenRegistry.h"
#include "frame/Sound.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {

const QString ReadyPrompt = QStringLiteral(" Digita il risultato");
const AnswerDrill::Prompts Prompts { ReadyPrompt, ReadyPrompt,
    QStringLiteral("Clicca sul pulsante Verifica"),
    QStringLiteral("Clicca sul pulsante Nuova sottrazione"),
    QStringLiteral("Clicca sul pulsante Nuovo esercizio"), QString() };

// The desktop's own colour for menus.
QColor systemMenuColour()
{
    return QApplication::palette().color(QPalette::Button);
}

} // namespace

FrmOperativoMeno::FrmOperativoMeno(SessionRecord &session, const Roles &roles)
    : m_session(session), m_roles(roles),
      m_run(session, roles.random, roles.pupilRegister,
          { [&clock = roles.clock] { return clock.timeOfDay(); },
              [&clock = roles.clock] { return clock.today(); } })
{
    setObjectName(QStringLiteral("FrmOperativoMeno"));
    setWindowTitle(QStringLiteral("ESERCIZI SULLE VOVORUDOROZ.1"));
    buildMenu();
    AnswerDrill::shapeScreen(this);

    buildOperation();
    buildActions();
    const ExercisePanels::MarksPanel marks = ExercisePanels::buildMarks(client());
    frmValutazione = marks.box;
    Image = marks.faces;
    const ExercisePanels::ProgressPanel progress = ExercisePanels::buildProgress(client());
    frmElaborazione = progress.box;
    LblEsercizio = progress.exercise;
    LblOperazione = progress.operation;
    LblTempoParziale = progress.partialTime;
    LblTempoTotale = progress.exerciseTime;
    m_aids = new ExerciseAids(this, session, m_run, roles.speech);

    // The answer box comes first, then the action buttons, then the keypad.
    QWidget::setTabOrder(TxtRisultato, CmdVerifica);
    QWidget::setTabOrder(CmdVerifica, CmdOperazione);
    QWidget::setTabOrder(CmdOperazione, CmdEsercizio);
    QWidget::setTabOrder(CmdEsercizio, CmdStampa);
    QWidget::setTabOrder(CmdStampa, CmdFine);

    connect(CmdOperazione, &QPushButton::clicked, this, &FrmOperativoMeno::CmdOperazione_Click);
    connect(CmdEsercizio, &QPushButton::clicked, this, &FrmOperativoMeno::CmdEsercizio_Click);
    connect(CmdStampa, &QPushButton::clicked, this, &FrmOperativoMeno::CmdStampa_Click);
    connect(CmdFine, &QPushButton::clicked, this, &FrmOperativoMeno::close);
    connect(MnuEsci, &QAction::triggered, this, &FrmOperativoMeno::close);
    connect(mnuRipasso, &QAction::triggered, this, &FrmOperativoMeno::mnuRipasso_Click);
    const auto opens = [this](QAction *entry, ScreenId id) {
        connect(entry, &QAction::triggered, this, [this, id] { m_roles.screens.show(id); });
    };
    opens(mnuStampa, ScreenId::Report);
    opens(mnuAttestato, ScreenId::Certificate);
    opens(mnuProgressi, ScreenId::Progress);
    opens(mnuMappa, ScreenId::Map);
    m_drill->attach({ CmdFine, CmdStampa, CmdVerifica, CmdOperazione, CmdEsercizio }, Prompts);
    connect(m_drill, &AnswerDrill::answerChanged, this,
        [this](const QString &text) { m_session.AnswerText = text; });
    connect(m_drill, &AnswerDrill::submitted, this, &FrmOperativoMeno::checkAnswer);
    connect(m_drill, &AnswerDrill::submittedEmpty, this, &FrmOperativoMeno::askForAnswer);
    connect(m_drill, &AnswerDrill::stateEntered, this,
        [this] { mnuRipasso->setEnabled(m_drill->isBetweenSets() && m_run.hasMissed()); });
    TxtRisultato->installEventFilter(this);

    Form_Load();
    readSession();
    // The first right answer is near: load the sound system once the screen is up.
    QTimer::singleShot(0, this, [this] { m_roles.sound.prepareSound(); });
}

void FrmOperativoMeno::buildMenu()
{
    // The menu keeps the desktop's colours whatever colour the mode gives the screen.
    QMenuBar *bar = menuBar();
    QPalette system = bar->palette();
    for (const auto role : { QPalette::Window, QPalette::Button, QPalette::Base,
             QPalette::WindowText, QPalette::ButtonText, QPalette::Text })
        system.setColor(role, QApplication::palette().color(role));
    bar->setPalette(system);

    MnuFile = addMenuOpenedByAlt(QStringLiteral("File"));
    MnuFile->setObjectName(QStringLiteral("MnuFile"));
    mnuStampa = MnuFile->addAction(QStringLiteral("Visualizza operazioni"));
    mnuStampa->setObjectName(QStringLiteral("mnuStampa"));
    mnuAttestato = MnuFile->addAction(QStringLiteral("Visualizza attestato"));
    mnuAttestato->setObjectName(QStringLiteral("mnuAttestato"));
    mnuRipasso = MnuFile->addAction(QStringLiteral("Ripasso degli errori"));
    mnuRipasso->setObjectName(QStringLiteral("mnuRipasso"));
    mnuRipasso->setEnabled(false);
    mnuProgressi = MnuFile->addAction(QStringLiteral("I miei progressi"));
    mnuProgressi->setObjectName(QStringLiteral("mnuProgressi"));
    mnuMappa = MnuFile->addAction(QStringLiteral("La mia mappa"));
    mnuMappa->setObjectName(QStringLiteral("mnuMappa"));
    mnuseparatore = MnuFile->addSeparator();
    mnuseparatore->setObjectName(QStringLiteral("mnuseparatore"));
    MnuEsci = MnuFile->addAction(QStringLiteral("Esci"));
    MnuEsci->setObjectName(QStringLiteral("MnuEsci"));
}

void FrmOperativoMeno::buildOperation()
{
    QWidget *area = client();

    Label2 =
        Controls::label(area, QStringLiteral("Label2"), QString(), Controls::arial(21.75, true));
    Controls::place(Label2, -30, 0, 11985, 555);
    Label1 =
        Controls::label(area, QStringLiteral("Label1"), QString(), Controls::arial(20.25, true));
    Controls::place(Label1, -30, 540, 11985, 555);

    m_drill = new AnswerDrill(area, m_roles.messages, m_roles.sound, m_roles.launcher);
    frmNumero = m_drill->panel();
    TxtRisultato = frmNumero->answerField();
}

void FrmOperativoMeno::buildActions()
{
    QWidget *area = client();
    auto action = [&](const QString &name, const QString &caption, double points) {
        QPushButton *button = Controls::button(area, name, caption, Controls::arial(points, true));
        Controls::setBackground(button, systemMenuColour());
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };

    // Lies under the three action buttons and shows their place while none is on screen.
    cmdSfondo =
        Controls::button(area, QStringLiteral("cmdSfondo"), QString(), Controls::arial(8.25, true));
    cmdSfondo->setEnabled(false);
    // Screen readers still find the blank button: it says what its place is for.
    cmdSfondo->setAccessibleName(QStringLiteral("Spazio per i pulsanti di azione"));
    Controls::place(cmdSfondo, 960, 5715, 6810, 495);

    CmdVerifica = action(QStringLiteral("CmdVerifica"), QStringLiteral("V e r i f i c a "), 12);
    Controls::place(CmdVerifica, 960, 5715, 6810, 495);
    CmdOperazione = action(
        QStringLiteral("CmdOperazione"), QStringLiteral("N u o v a   s o t t r a z i o n e"), 12);
    Controls::place(CmdOperazione, 975, 5715, 6810, 495);
    CmdEsercizio = action(QStringLiteral("CmdEsercizio"), QStringLiteral("Nuovo esercizio"), 12);
    Controls::place(CmdEsercizio, 945, 5715, 6810, 495);
    CmdStampa = action(QStringLiteral("CmdStampa"), QStringLiteral("Visualizza  esercizio"), 9.75);
    Controls::place(CmdStampa, 7875, 5715, 1965, 525);
    CmdFine = action(QStringLiteral("CmdFine"), QStringLiteral("Esci"), 9.75);
    Controls::place(CmdFine, 9900, 5715, 1335, 525);
}

void FrmOperativoMeno::showEvent(QShowEvent *event)
{
    Screen::showEvent(event);
    if (!m_focusGivenOnShow) {
        m_focusGivenOnShow = true;
        Controls::requestFocus(TxtRisultato);
    }
}

bool FrmOperativoMeno::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TxtRisultato && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        Controls::requestFocus(CmdOperazione);
    return Screen::eventFilter(watched, event);
}

// The set-up: run when the screen is created and when a finished session is thrown away.
void FrmOperativoMeno::Form_Load()
{
    mnuStampa->setEnabled(false);
    mnuAttestato->setEnabled(false);
    setWindowTitle(QStringLiteral("ESERCIZI SULLE VOVORUDOROZ.1"));
    m_aids->sessionStarting();
    Controls::setBackground(Label2, Colour::rgb(250, 200, 110));
    Controls::setTextColour(Label2, Colour::rgb(128, 0, 0));
    Controls::setBackground(Label1, Colour::rgb(255, 240, 150));
    Controls::setTextColour(Label1, Colour::rgb(250, 170, 110));
    Controls::setTextColour(TxtRisultato, Colour::rgb(128, 64, 0));
    Label2->setText(Exercise::rangeBanner(m_session.RangeLow, m_session.RangeHigh));
    m_run.begin();
    showExercise();
}

void FrmOperativoMeno::CmdEsercizio_Click()
{
    if (m_run.nextExercise())
        showExercise();
}

void FrmOperativoMeno::showExercise()
{
    for (int number = 1; number <= 20; ++number)
        Image[number]->hide();
    LblEsercizio->setText(NumberText::plainForm(m_session.ExerciseNo));
    setTimeLabel(LblTempoTotale, QString());
    frmNumero->clearNumbers();
    showOperation();
    m_drill->enter(AnswerDrill::State::FirstWaiting);
}

void FrmOperativoMeno::CmdOperazione_Click()
{
    if (!m_run.nextOperation())
        return;
    showOperation();
    m_drill->enter(AnswerDrill::State::Waiting);
}

void FrmOperativoMeno::showOperation()
{
    setTimeLabel(LblTempoParziale, QString());
    LblOperazione->setText(NumberText::plainForm(m_session.OpInExercise));
    m_drill->ask(m_run.operation());
    m_shownAt = m_roles.clock.monotonicSeconds();
    m_aids->operationShown();
}

// Judges the answer on show, once: a second check of the same operation does nothing.
// Answer times run on the monotonic clock, so an answer across midnight is never negative.
void FrmOperativoMeno::checkAnswer()
{
    const auto verdict =
        m_run.judge(TxtRisultato->text(), m_roles.clock.monotonicSeconds() - m_shownAt);
    if (!verdict)
        return;
    m_drill->showVerdict(verdict->right);
    if (verdict->mark)
        Image[verdict->mark]->show();
    setTimeLabel(LblTempoParziale, verdict->partialTimeCaption);
    setTimeLabel(LblTempoTotale, verdict->exerciseTimeCaption);
    m_aids->judged(*verdict);
    // A screen reader says the verdict with the name of the button that takes the focus after
    // the check; the next operation takes it away.
    m_drill->enter(
        verdict->exerciseComplete ? AnswerDrill::State::SetComplete : AnswerDrill::State::Judged,
        verdict->spoken);
    if (verdict->menusUnlocked) {
        mnuStampa->setEnabled(true);
        mnuAttestato->setEnabled(true);
    }
    if (verdict->sessionComplete)
        endOfSession(verdict->spoken);
}

// The end question takes the focus at once: a screen reader hears the last verdict with it.
void FrmOperativoMeno::endOfSession(const QString &verdict)
{
    if (m_roles.messages.messageBox(Exercise::endOfSessionQuestion(), MsgBox::YesNoInformation,
            Exercise::endOfSessionTitle(), verdict)
        == MsgAnswer::Yes) {
        // The session is over: no further exercise, only the report and the exit.
        m_drill->enter(AnswerDrill::State::AllComplete);
        m_roles.screens.show(ScreenId::Report);
    } else {
        m_run.discard();
        Form_Load();
    }
}

void FrmOperativoMeno::CmdStampa_Click()
{
    m_session.ReportFocusOnPrint = true;
    m_roles.screens.show(ScreenId::Report);
}

// A review is practice beside the session: while it is open this screen waits, its answer
// clocks stopped at the end of an exercise, and comes back as it was, the last verdict no longer
// read with its buttons.
void FrmOperativoMeno::mnuRipasso_Click()
{
    if (!mnuRipasso->isEnabled())
        return;
    Screen *review = m_roles.screens.show(ScreenId::Review);
    if (!review)
        return;
    m_focusBeforeReview = focusWidget();
    client()->setEnabled(false);
    menuBar()->setEnabled(false);
    connect(review, &Screen::closed, this, [this] {
        client()->setEnabled(true);
        menuBar()->setEnabled(true);
        m_drill->forgetSpokenVerdict();
        if (m_focusBeforeReview)
            Controls::requestFocus(m_focusBeforeReview);
        activateWindow();
    });
}

void FrmOperativoMeno::readSession()
{
    Exercise::applyModeColours(m_session, this, frmNumero,
        { frmElaborazione, frmValutazione, CmdFine, cmdSfondo, CmdVerifica, CmdOperazione,
            CmdEsercizio, CmdStampa });
    if (!m_session.ModeCaption.isEmpty())
        Label1->setText(m_session.ModeCaption);
}

void FrmOperativoMeno::onClose()
{
    m_roles.screens.close(ScreenId::Review);
    m_run.interrupt();
}

void FrmOperativoMeno::askForAnswer()
{
    m_roles.messages.messageBox(QStringLiteral("Hai dimenticato il risultato"), MsgBox::OkOnly,
        QStringLiteral("distrazione"));
    Controls::requestFocus(TxtRisultato);
}

void FrmOperativoMeno::setTimeLabel(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleDescription(text);
}
