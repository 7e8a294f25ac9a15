// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/Session.h"
#include "frame/Screen.h"

#include <QPointer>
#include <array>

class AnswerDrill;
class ExerciseAids;
class FaceMark;
class OperationPanel;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class AnswerField;
class QMenu;
class QPushButton;
class Clock;
class Launcher;
class Messages;
class RandomSource;
class ScreenRegistry;
class Sound;
class Speech;
struct SessionRecord;

// The exercise screen: a session of four exercises of ten subtractions, as the session
// (Exercise::Session) draws, judges and counts them. The screen shows what it says: the operation
// in the answer drill, a face for each verdict, the times, and the end question after the
// fortieth answer, whether to see the report. The answer drill takes the answer and switches the
// action buttons, the keypad and the instruction line with its state.
// The screen takes the mode's colours and banner from the session record whenever it is shown.
class FrmOperativoMeno : public Screen
{
    Q_OBJECT

public:
    // The desktop's services this screen uses, one role each.
    struct Roles
    {
        Clock &clock;
        Messages &messages;
        Sound &sound;
        Speech &speech;
        Launcher &launcher;
        ScreenRegistry &screens;
        RandomSource &random;
        PupilRegister &pupilRegister;
    };

    FrmOperativoMeno(SessionRecord &session, const Roles &roles);

    void readSession() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A review belongs to the session on this screen: it closes with it.
    void onClose() override;

private slots:
    void CmdOperazione_Click();
    void CmdEsercizio_Click();
    void CmdStampa_Click();
    void mnuRipasso_Click();

private:
    void buildMenu();
    void buildOperation();
    void buildActions();

    void Form_Load();
    void showExercise();
    void showOperation();
    void checkAnswer();
    void endOfSession(const QString &verdict);

    void askForAnswer();
    void setTimeLabel(QLabel *label, const QString &text);

    SessionRecord &m_session;
    Roles m_roles;
    Exercise::Session m_run;

    double m_shownAt = 0.0; // monotonic clock when the operation was shown
    bool m_focusGivenOnShow = false;
    QPointer<QWidget> m_focusBeforeReview;

    QMenu *MnuFile = nullptr;
    QAction *mnuStampa = nullptr;
    QAction *mnuAttestato = nullptr;
    QAction *mnuRipasso = nullptr;
    QAction *mnuProgressi = nullptr; // the pupil's own progress, from the register
    QAction *mnuMappa = nullptr; // the families the pupil learns
    QAction *mnuseparatore = nullptr;
    QAction *MnuEsci = nullptr;

    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    // The operation panel frmNumero with TxtRisultato, LblEsito, LblIstruzione and the keypad
    // fraTastierino.
    AnswerDrill *m_drill = nullptr;
    OperationPanel *frmNumero = nullptr;
    AnswerField *TxtRisultato = nullptr;

    QPushButton *cmdSfondo = nullptr;
    QPushButton *CmdVerifica = nullptr;
    QPushButton *CmdOperazione = nullptr;
    QPushButton *CmdEsercizio = nullptr;
    QPushButton *CmdStampa = nullptr;
    QPushButton *CmdFine = nullptr;

    QGroupBox *frmValutazione = nullptr;
    std::array<FaceMark *, 21> Image {}; // Image1..Image20; index 0 unused

    QGroupBox *frmElaborazione = nullptr;
    QLabel *LblEsercizio = nullptr;
    QLabel *LblOperazione = nullptr;
    ExerciseAids *m_aids = nullptr;
    QLabel *LblTempoParziale = nullptr;
    QLabel *LblTempoTotale = nullptr;
};
