// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "ui/Screen.h"

class FaceMark;
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
// record line. The action buttons, the keypad and the instruction line follow the state of the
// operation on show; after the fortieth answer the pupil is asked whether to see the report.
// The start screen recolours this screen by its controls' object names.
class FrmOperativoMeno : public Screen
{
    Q_OBJECT

public:
    FrmOperativoMeno(SessionRecord &session, Services &services);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void CmdVerifica_Click();
    void CmdOperazione_Click();
    void CmdEsercizio_Click();
    void CmdStampa_Click();
    void mnuStampa_Click();
    void mnuAttestato_Click();
    void cmdFine_Click();
    void mnuEsci_Click();
    void cmdCancella_Click();
    void TxtRisultato_Change(const QString &text);

private:
    void buildMenu();
    void buildOperation();
    void buildKeypad();
    void buildActions();
    void buildMarks();
    void buildProgress();

    void Form_Load();
    void newExercise();
    void livello();
    void visualizza();
    void checkAnswer();
    void switchAfterCheck();
    void timeAnswer();
    void menusAndEndOfSession();
    void hideMarks();

    void TxtRisultato_KeyPress(int &keyAscii);
    void TxtRisultato_Click();
    // Command2_Click .. Command13_Click: every digit key appends its caption.
    void digitKey_Click(const QString &digits);

    void askForAnswer();
    void showVerdict(const QString &verdict);
    void describeVerdict(const QString &sentence);
    void setTimeLabel(QLabel *label, const QString &text);
    // A hidden or disabled control cannot take the focus; the request is then ignored.
    void requestFocus(QWidget *widget);
    void focusNewOperation();

    SessionRecord &m_session;
    Services &m_services;

    QString m_answerMark; // AnswerMark: " " after a right answer, "*" after a wrong one
    bool m_judged = false; // the operation on show has been checked
    double m_shownAt = 0.0; // monotonic clock when the operation was shown
    bool m_focusGivenOnShow = false;

    QMenu *MnuFile = nullptr;
    QAction *mnuStampa = nullptr;
    QAction *mnuAttestato = nullptr;
    QAction *mnuseparatore = nullptr;
    QAction *MnuEsci = nullptr;

    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    QFrame *frmNumero = nullptr;
    QLabel *LblNumero1 = nullptr;
    QLabel *LblSegno = nullptr;
    AnswerField *TxtRisultato = nullptr;
    QLabel *LblUguale = nullptr;
    QLabel *LblNumero2 = nullptr;

    QGroupBox *fraTastierino = nullptr;
    QPushButton *cmdCancella = nullptr;

    QLabel *LblEsito = nullptr;
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

    QLabel *LblIstruzione = nullptr;
};
