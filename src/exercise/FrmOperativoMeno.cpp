// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "exercise/FrmOperativoMeno.h"

#include "core/NumberText.h"
#include "core/OperationDisplay.h"
#include "core/OperationGenerator.h"
#include "core/ReviewInput.h"
#include "core/Scoring.h"
#include "core/SessionFacts.h"
#include "core/SessionFlow.h"
#include "core/SessionRecord.h"
#include "core/SpokenText.h"
#include "drill/AnswerDrill.h"
#include "drill/AnswerField.h"
#include "drill/FaceMark.h"
#include "drill/Keypad.h"
#include "drill/ModeColours.h"
#include "drill/OperationPanel.h"
#include "exercise/ColumnHeadings.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/KeyPressFilter.h"
#include "frame/ScreenRegistry.h"
#include "frame/Services.h"
#include "frame/Twips.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {

const QString PartialTimeTip = QStringLiteral("Secondi impiegati per ogni risposta");
const QString ExerciseTimeTip = QStringLiteral("Secondi impiegati per ogni esercizio");

const QString ReadyPrompt = QStringLiteral(" Digita il risultato");
const AnswerDrill::Prompts Prompts { ReadyPrompt, ReadyPrompt,
    QStringLiteral("Clicca sul pulsante Verifica"),
    QStringLiteral("Clicca sul pulsante Nuova sottrazione"),
    QStringLiteral("Clicca sul pulsante Nuovo esercizio"), QString() };

// The desktop's own colours for menus and for window backgrounds.
QColor systemMenuColour()
{
    return QApplication::palette().color(QPalette::Button);
}

QColor systemWindowColour()
{
    return QApplication::palette().color(QPalette::Base);
}

} // namespace

FrmOperativoMeno::FrmOperativoMeno(SessionRecord &session, Services &services)
    : m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("FrmOperativoMeno"));
    setWindowTitle(QStringLiteral("ESERCIZI SULLE VOVORUDOROZ.1"));
    buildMenu();
    AnswerDrill::shapeScreen(this);

    buildOperation();
    buildActions();
    buildMarks();
    buildProgress();

    // The answer box comes first, then the action buttons, then the keypad.
    QWidget::setTabOrder(TxtRisultato, CmdVerifica);
    QWidget::setTabOrder(CmdVerifica, CmdOperazione);
    QWidget::setTabOrder(CmdOperazione, CmdEsercizio);
    QWidget::setTabOrder(CmdEsercizio, CmdStampa);
    QWidget::setTabOrder(CmdStampa, CmdFine);

    connect(CmdOperazione, &QPushButton::clicked, this, &FrmOperativoMeno::CmdOperazione_Click);
    connect(CmdEsercizio, &QPushButton::clicked, this, &FrmOperativoMeno::CmdEsercizio_Click);
    connect(CmdStampa, &QPushButton::clicked, this, &FrmOperativoMeno::CmdStampa_Click);
    connect(CmdFine, &QPushButton::clicked, this, &FrmOperativoMeno::cmdFine_Click);
    connect(mnuStampa, &QAction::triggered, this, &FrmOperativoMeno::mnuStampa_Click);
    connect(mnuAttestato, &QAction::triggered, this, &FrmOperativoMeno::mnuAttestato_Click);
    connect(MnuEsci, &QAction::triggered, this, &FrmOperativoMeno::mnuEsci_Click);
    connect(mnuRipasso, &QAction::triggered, this, &FrmOperativoMeno::mnuRipasso_Click);
    connect(mnuProgressi, &QAction::triggered, this,
        [this] { m_services.screens().show(ScreenId::Progress); });
    m_drill->attach({ CmdFine, CmdStampa, CmdVerifica, CmdOperazione, CmdEsercizio }, Prompts);
    connect(m_drill, &AnswerDrill::answerChanged, this,
        [this](const QString &text) { m_session.AnswerText = text; });
    connect(m_drill, &AnswerDrill::submitted, this, &FrmOperativoMeno::checkAnswer);
    connect(m_drill, &AnswerDrill::submittedEmpty, this, &FrmOperativoMeno::askForAnswer);
    connect(m_drill, &AnswerDrill::stateEntered, this, [this] {
        mnuRipasso->setEnabled(
            m_drill->isBetweenSets() && !Review::reviewInputFrom(m_session).missed.isEmpty());
    });
    TxtRisultato->installEventFilter(this);

    Form_Load();
    readSession();
    // The first right answer is near: load the sound system once the screen is up.
    QTimer::singleShot(0, this, [this] { m_services.prepareSound(); });
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

    m_drill = new AnswerDrill(area, m_services);
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

void FrmOperativoMeno::buildMarks()
{
    frmValutazione = new QGroupBox(QStringLiteral("VALUTAZIONE"), client());
    frmValutazione->setObjectName(QStringLiteral("frmValutazione"));
    frmValutazione->setFont(Controls::arial(9.75, true));
    Controls::place(frmValutazione, 870, 6285, 6900, 1695);

    const QColor navy = Colour::rgb(0, 0, 128);
    const QFont rowFont = Controls::sansSerif(12);
    QLabel *label4 = Controls::label(
        frmValutazione, QStringLiteral("Label4"), QStringLiteral("Risp. esatte"), rowFont);
    Controls::setTextColour(label4, navy);
    Controls::place(label4, 120, 240, 1575, 375);
    QLabel *label8 = Controls::label(
        frmValutazione, QStringLiteral("Label8"), QStringLiteral("Esercizio n."), rowFont);
    Controls::place(label8, 120, 600, 1215, 375);
    QLabel *label6 = Controls::label(
        frmValutazione, QStringLiteral("Label6"), QStringLiteral("Risp. errate"), rowFont);
    Controls::setTextColour(label6, navy);
    Controls::place(label6, 120, 1080, 1455, 375);
    QLabel *counter = Controls::label(frmValutazione, QStringLiteral("LblContatore"),
        QStringLiteral("  1      2       3      4      5      6      7      8      9     10"),
        Controls::sansSerif(9.75));
    Controls::place(counter, 1935, 720, 4815, 255);

    static constexpr int columnLefts[] = { 1875, 2370, 2865, 3360, 3840, 4335, 4815, 5295, 5790,
        6270 };
    for (int number = 1; number <= 20; ++number) {
        const bool smiling = number <= 10;
        const int column = smiling ? number : number - 10;
        auto *mark = new FaceMark(smiling, frmValutazione);
        mark->setObjectName(QStringLiteral("Image%1").arg(number));
        mark->setAccessibleName(
            (smiling ? QStringLiteral("Risposta esatta %1") : QStringLiteral("Risposta errata %1"))
                .arg(column));
        Controls::place(mark, columnLefts[column - 1], smiling ? 255 : 990, 480, 480);
        mark->hide();
        Image[number] = mark;
    }
}

void FrmOperativoMeno::buildProgress()
{
    frmElaborazione = new QGroupBox(QStringLiteral("ELABORAZIONE"), client());
    frmElaborazione->setObjectName(QStringLiteral("frmElaborazione"));
    frmElaborazione->setFont(Controls::arial(9.75, true));
    Controls::place(frmElaborazione, 7815, 6285, 3375, 1695);

    // Each heading word's room, from the rows' left edge at 240: centred over its value,
    // within the lines either side.
    const auto headings = [](const QStringList &words) {
        constexpr int Rooms[][2] = { { 0, 510 }, { 630, 1320 }, { 1320, 2070 }, { 2160, 2910 } };
        QList<ColumnHeadings::Column> columns;
        for (int column = 0; column < words.size(); ++column)
            columns.append({ Rooms[column][0], Rooms[column][1], words.at(column) });
        return columns;
    };
    const QFont headFont = Controls::sansSerif(8.25);
    auto *label5 = new ColumnHeadings(frmElaborazione, QStringLiteral("Label5"),
        QStringLiteral(" Eser.    Oper.   Tempo      Tempo "), headFont,
        headings({ QStringLiteral("Eser."), QStringLiteral("Oper."), QStringLiteral("Tempo"),
            QStringLiteral("Tempo") }));
    Controls::place(label5, 240, 360, 3015, 255);
    auto *label3 = new ColumnHeadings(frmElaborazione, QStringLiteral("Label3"),
        QStringLiteral("                        parziale    totale"), headFont,
        headings({ QString(), QString(), QStringLiteral("parziale"), QStringLiteral("totale") }));
    Controls::place(label3, 240, 600, 3015, 255);

    for (const auto &[name, x] :
        { std::pair { "Line1", 840 }, std::pair { "Line2", 1560 }, std::pair { "Line4", 2400 } }) {
        auto *line = new QFrame(frmElaborazione);
        line->setObjectName(QString::fromLatin1(name));
        Controls::setBackground(line, Qt::black);
        Controls::place(line, x, 360, Twips::PerLogicalPixel, 840);
    }

    const QFont valueFont = Controls::arial(14.25, true);
    auto value = [&](const QString &name, const QColor &colour, int left) {
        QLabel *label = Controls::label(frmElaborazione, name, QString(), valueFont);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Controls::setBackground(label, systemWindowColour());
        Controls::setTextColour(label, colour);
        Controls::place(label, left, 960, 480, 480);
        return label;
    };
    LblEsercizio = value(QStringLiteral("LblEsercizio"), Colour::rgb(0, 192, 0), 255);
    LblOperazione = value(QStringLiteral("LblOperazione"), Colour::rgb(0, 192, 0), 975);
    LblTempoParziale = value(QStringLiteral("LblTempoParziale"), Colour::rgb(255, 0, 0), 1695);
    LblTempoParziale->setToolTip(PartialTimeTip);
    LblTempoParziale->setAccessibleName(PartialTimeTip);
    LblTempoTotale = value(QStringLiteral("LblTempoTotale"), Colour::rgb(255, 0, 0), 2535);
    LblTempoTotale->setToolTip(ExerciseTimeTip);
    LblTempoTotale->setAccessibleName(ExerciseTimeTip);
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
        TxtRisultato_Click();
    return Screen::eventFilter(watched, event);
}

// The set-up: run when the screen is created and when a finished session is thrown away.
void FrmOperativoMeno::Form_Load()
{
    mnuStampa->setEnabled(false);
    mnuAttestato->setEnabled(false);
    setWindowTitle(QStringLiteral("ESERCIZI SULLE VOVORUDOROZ.1"));
    Controls::setBackground(Label2, Colour::rgb(250, 200, 110));
    Controls::setTextColour(Label2, Colour::rgb(128, 0, 0));
    Controls::setBackground(Label1, Colour::rgb(255, 240, 150));
    Controls::setTextColour(Label1, Colour::rgb(250, 170, 110));
    Controls::setTextColour(TxtRisultato, Colour::rgb(128, 64, 0));
    Label2->setText(Exercise::rangeBanner(m_session.RangeLow, m_session.RangeHigh));
    Exercise::startSession(m_session);
    m_sessionEnded = false;
    m_services.pupilRegister().sessionStarted(Register::sessionStartOf(
        m_session, Register::momentOf(m_services.today(), m_services.timeOfDay())));
    newExercise();
}

void FrmOperativoMeno::CmdEsercizio_Click()
{
    if (m_drill->isJudged() && Exercise::isExerciseComplete(m_session))
        newExercise();
}

void FrmOperativoMeno::newExercise()
{
    if (!Exercise::startExercise(m_session))
        return;
    hideMarks();
    LblOperazione->setText(NumberText::plainForm(m_session.OpInExercise));
    LblEsercizio->setText(NumberText::plainForm(m_session.ExerciseNo));
    setTimeLabel(LblTempoParziale, QString());
    setTimeLabel(LblTempoTotale, QString());
    frmNumero->clearNumbers();
    livello();
    visualizza();
    m_drill->enter(AnswerDrill::State::FirstWaiting);
}

void FrmOperativoMeno::CmdOperazione_Click()
{
    if (!m_drill->isJudged() || !Exercise::startNextOperation(m_session))
        return;
    setTimeLabel(LblTempoParziale, QString());
    LblOperazione->setText(NumberText::plainForm(m_session.OpInExercise));
    livello();
    visualizza();
    m_drill->enter(AnswerDrill::State::Waiting);
}

void FrmOperativoMeno::livello()
{
    Exercise::livello(m_session, m_services.random(), [this] { return m_services.timeOfDay(); });
}

void FrmOperativoMeno::visualizza()
{
    m_drill->ask(Exercise::presentOperation(m_session, m_services.random()));
    m_session.AnswerText.clear();
    m_session.StartTime = m_services.timeOfDay();
    m_shownAt = m_services.monotonicSeconds();
}

// Judges the answer on show, once: a second check of the same operation does nothing.
void FrmOperativoMeno::checkAnswer()
{
    if (m_drill->isJudged())
        return;
    const bool right = m_drill->judge(m_session.ExpectedAnswerText);
    m_answerMark = Exercise::answerMark(right);
    if (const int mark = Exercise::countAnswer(m_session, right))
        Image[mark]->show();

    // Timed and recorded before the buttons switch: the verdict read with the focus tells the
    // seconds, and the review the switch may offer reads the judged operations, this one
    // included.
    const double seconds = timeAnswer();
    Exercise::completeRecord(m_session, TxtRisultato->text(), m_answerMark);
    Exercise::recordJudgement(m_session, TxtRisultato->text(), right);
    // Kept at once, by the register's own thread: the verdict never waits for the disk.
    m_services.pupilRegister().answerJudged(Register::answerOf(
        m_session, seconds, Register::momentOf(m_services.today(), m_session.StopTime)));
    // A screen reader says the verdict with the name of the button that takes the focus after
    // the check; the next operation takes it away.
    const QString verdict = Exercise::verdictSentence(m_session, right);
    m_drill->enter(Exercise::isExerciseComplete(m_session) ? AnswerDrill::State::SetComplete
                                                           : AnswerDrill::State::Judged,
        verdict);
    menusAndEndOfSession(verdict);
}

// Answer times run on the monotonic clock, so an answer across midnight is never negative; the
// time of day is still kept as the session's start and stop readings.
double FrmOperativoMeno::timeAnswer()
{
    m_session.StopTime = m_services.timeOfDay();
    const double seconds = m_services.monotonicSeconds() - m_shownAt;
    Exercise::timeAnswer(m_session, seconds);
    setTimeLabel(LblTempoParziale, Exercise::partialTimeCaption(m_session));
    setTimeLabel(LblTempoTotale, Exercise::exerciseTimeCaption(m_session));
    return seconds;
}

// The end question takes the focus at once: a screen reader hears the last verdict with it.
void FrmOperativoMeno::menusAndEndOfSession(const QString &verdict)
{
    if (Exercise::areMenusUnlocked(m_session)) {
        mnuStampa->setEnabled(true);
        mnuAttestato->setEnabled(true);
    }
    if (!Exercise::isSessionComplete(m_session))
        return;

    endRegisteredSession(Register::Ending::Completed);
    m_session.ExerciseNo = 0;
    m_session.MsgTitle = Exercise::endOfSessionTitle();
    m_session.MsgText = Exercise::endOfSessionQuestion();
    m_session.MsgStyle = MsgBox::YesNoInformation;
    m_session.MsgResponse =
        m_services.messageBox(m_session.MsgText, m_session.MsgStyle, m_session.MsgTitle, verdict);
    if (m_session.MsgResponse == MsgAnswer::Yes) {
        // The session is over: no further exercise, only the report and the exit.
        m_drill->enter(AnswerDrill::State::AllComplete);
        m_services.screens().show(ScreenId::Report);
    } else {
        Exercise::discardRecords(m_session);
        Form_Load();
    }
}

void FrmOperativoMeno::hideMarks()
{
    for (int number = 1; number <= 20; ++number)
        Image[number]->hide();
}

void FrmOperativoMeno::CmdStampa_Click()
{
    m_session.ReportFocusOnPrint = true;
    m_services.screens().show(ScreenId::Report);
}

void FrmOperativoMeno::mnuStampa_Click()
{
    m_services.screens().show(ScreenId::Report);
}

void FrmOperativoMeno::mnuAttestato_Click()
{
    m_services.screens().show(ScreenId::Certificate);
}

// A review is practice beside the session: while it is open this screen waits, its answer
// clocks stopped at the end of an exercise, and comes back as it was.
void FrmOperativoMeno::mnuRipasso_Click()
{
    if (!mnuRipasso->isEnabled())
        return;
    Screen *review = m_services.screens().show(ScreenId::Review);
    if (!review)
        return;
    m_focusBeforeReview = focusWidget();
    client()->setEnabled(false);
    menuBar()->setEnabled(false);
    connect(review, &Screen::closed, this, [this] {
        client()->setEnabled(true);
        menuBar()->setEnabled(true);
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

void FrmOperativoMeno::cmdFine_Click()
{
    close();
}

void FrmOperativoMeno::onClose()
{
    m_services.screens().close(ScreenId::Review);
    if (!m_sessionEnded)
        endRegisteredSession(Register::Ending::Interrupted);
}

// Once per session: the fortieth verdict ends it, or the screen closing before.
void FrmOperativoMeno::endRegisteredSession(Register::Ending how)
{
    m_sessionEnded = true;
    m_services.pupilRegister().sessionEnded(
        { how, Register::momentOf(m_services.today(), m_services.timeOfDay()) });
}

void FrmOperativoMeno::mnuEsci_Click()
{
    close();
}

void FrmOperativoMeno::TxtRisultato_Click()
{
    Controls::requestFocus(CmdOperazione);
}

void FrmOperativoMeno::askForAnswer()
{
    m_session.MsgText = QStringLiteral("Hai dimenticato il risultato");
    m_session.MsgTitle = QStringLiteral("distrazione");
    m_session.MsgStyle = MsgBox::OkOnly;
    m_session.MsgResponse =
        m_services.messageBox(m_session.MsgText, m_session.MsgStyle, m_session.MsgTitle);
    Controls::requestFocus(TxtRisultato);
}

void FrmOperativoMeno::setTimeLabel(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleDescription(text);
}
