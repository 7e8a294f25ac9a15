// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilRegister.h"
#include "frame/Screen.h"

#include <QPointer>

class AnswerDrill;
class FaceMark;
class OperationPanel;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class AnswerField;
class QMenu;
class QPushButton;
class Services;
struct SessionRecord;

// The exercise screen: a session of four exercises of ten subtractions. Each operation is drawn
// (livello), shown with one term hidden in the answer box (visualizza), answered on the keyboard
// or the keypad, judged once (checkAnswer), marked with a face, timed and completed into its
// record line. The answer drill shows the operation, takes and judges the answer and switches the
// action buttons, the keypad and the instruction line with its state; after the fortieth answer the pupil is asked whether to see the report.
// The screen takes the mode's colours and banner from the session record whenever it is shown.
class FrmOperativoMeno : public Screen
{
    Q_OBJECT

public:
    FrmOperativoMeno(SessionRecord &session, Services &services);

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
    void mnuStampa_Click();
    void mnuAttestato_Click();
    void cmdFine_Click();
    void mnuEsci_Click();
    void mnuRipasso_Click();

private:
    void buildMenu();
    void buildOperation();
    void buildActions();
    void buildMarks();
    void buildProgress();

    void Form_Load();
    void newExercise();
    void livello();
    void visualizza();
    void checkAnswer();
    // The answer's seconds, exactly.
    double timeAnswer();
    void menusAndEndOfSession(const QString &verdict);
    void endRegisteredSession(Register::Ending how);
    void hideMarks();

    void TxtRisultato_Click();

    void askForAnswer();
    void setTimeLabel(QLabel *label, const QString &text);

    SessionRecord &m_session;
    Services &m_services;

    QString m_answerMark; // AnswerMark: " " after a right answer, "*" after a wrong one
    double m_shownAt = 0.0; // monotonic clock when the operation was shown
    bool m_focusGivenOnShow = false;
    bool m_sessionEnded = false; // the register has been told that this session ended
    QPointer<QWidget> m_focusBeforeReview;

    QMenu *MnuFile = nullptr;
    QAction *mnuStampa = nullptr;
    QAction *mnuAttestato = nullptr;
    QAction *mnuRipasso = nullptr;
    QAction *mnuProgressi = nullptr; // the pupil's own progress, from the register
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
    FaceMark *Image[21] = {}; // Image1..Image20; index 0 unused

    QGroupBox *frmElaborazione = nullptr;
    QLabel *LblEsercizio = nullptr;
    QLabel *LblOperazione = nullptr;
    QLabel *LblTempoParziale = nullptr;
    QLabel *LblTempoTotale = nullptr;
};
