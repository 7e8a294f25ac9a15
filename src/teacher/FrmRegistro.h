// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PasswordGate.h"
#include "core/RegisterStatus.h"
#include "frame/Screen.h"
#include "frame/ScreenRegistry.h"

#include <functional>
#include <memory>
#include <optional>

class Charts;
class ClassTable;
class FrmAssegna;
class FrmMisure;
class Clock;
class Messages;
class Printing;
class PupilPanel;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class RegisterReading;
struct SessionRecord;
namespace Register {
class ReaderThread;
struct Opened;
}
namespace Practice {
struct Assignment;
}

// "REGISTRO DELLA CLASSE", for the teacher: behind the teacher's password, one row per pupil;
// for the chosen pupil the chart of the days, the sessions, and a session's report and analysis
// on the stored session record; the progress sheet, the CSV export, what the next "Allenamento
// di oggi" of a pupil or of the class practises ("ASSEGNA"), a pupil's accommodations
// ("MISURE"), and the deletion of a pupil or of
// the whole register. Every read and change of the register runs on the register's own
// thread; the screen shows its result when it comes.
class FrmRegistro : public Screen
{
    Q_OBJECT

public:
    struct Roles
    {
        Clock &clock;
        Messages &messages;
        Printing &printing;
        Charts &charts;
        ScreenRegistry &screens;
        RegisterReading &reading;
    };

    // chosenSession: where a session read back from the register is set out for the report
    // and the analysis screens that show it.
    FrmRegistro(Roles roles, SessionRecord &chosenSession);
    ~FrmRegistro() override;

protected:
    void onClose() override;

private slots:
    void cmdEntra_Click();
    void cmdEsporta_Click();
    void cmdElimina_Click();
    void cmdSvuota_Click();
    void cmdCambia_Click();
    void cmdOperazioni_Click();
    void cmdAnalisi_Click();
    void cmdStampa_Click();
    void cmdAssegna_Click();
    void cmdMisure_Click();

private:
    void buildControls();
    void buildPasswordPanel(QWidget *area);
    void buildClassPanel(QWidget *area);
    // The password panel: to choose the first password, to enter, or to change it.
    void askPassword(bool change = false);
    // On a lab: logs in to the school server as the teacher, in the register's own thread.
    void logIn(const QString &password);
    // The class after a right password; else the reason on the password panel, with a beep.
    void showEntry(PasswordGate::Check check, bool changing);
    void showClass();
    void fillClass();
    void showStatus();
    // The chart and the sessions of the chosen pupil, or nothing when none is chosen.
    void showPupil();
    // Sets the chosen session out in the stored session record, then opens the screen; tells
    // the teacher to choose one when none is chosen.
    void openChosenSession(ScreenId screen);
    // After a deletion: the stored session's screens close and nothing of it stays in memory.
    void forgetChosenSession();
    // Deletes after the teacher's Yes; then the class is read again.
    void deleteAfterYes(const QString &question, std::function<bool(Register::Opened &)> change,
        const QString &done, const QString &refused);
    // Sets or takes away the assignment of the chosen pupil or, after the teacher's Yes, of every
    // pupil of the class; then the class is read again.
    void assign(bool wholeClass, const std::optional<Practice::Assignment> &assignment);
    // "MISURE" is for the chosen pupil alone.
    void offerMeasures();
    // Tells the teacher the register could not be read, with a beep.
    void tellReadFailed();

    Roles m_roles;
    SessionRecord &m_chosenSession;
    Register::State m_state = Register::State::Off;
    QString m_setAsideFile;
    QString m_serverNotice;
    bool m_passwordChosen = false;
    bool m_onServer = false; // a lab PC: the password is the teacher's login on the server
    int m_secondsToWait = 0; // after the last check
    int m_pupilReadings = 0; // only the last pupil's result is shown

    QLabel *lblTitolo = nullptr;
    QWidget *fraPassword = nullptr;
    QLabel *lblPassword = nullptr;
    QLineEdit *txtPassword = nullptr;
    QLabel *lblNuova = nullptr;
    QLineEdit *txtNuova = nullptr; // the new password, when changing
    QPushButton *cmdEntra = nullptr;
    QWidget *fraClasse = nullptr;
    QLineEdit *txtCerca = nullptr;
    ClassTable *tblClasse = nullptr;
    QLabel *lblCarico = nullptr;
    PupilPanel *m_pupil = nullptr;
    QLabel *lblEsito = nullptr;
    QPushButton *cmdEsporta = nullptr;
    QPushButton *cmdStampa = nullptr;
    QPushButton *cmdElimina = nullptr;
    QPushButton *cmdSvuota = nullptr;
    QPushButton *cmdCambia = nullptr;
    QPushButton *cmdAssegna = nullptr;
    FrmAssegna *m_assegna = nullptr; // made on the first ASSEGNA
    QPushButton *cmdMisure = nullptr;
    FrmMisure *m_misure = nullptr; // made on the first MISURE
    QLabel *lblStato = nullptr;
    QPushButton *cmdEsci = nullptr;
    // Last: ended first, so that no result arrives at a screen half gone.
    std::unique_ptr<Register::ReaderThread> m_reader; // none when the register is off
    std::unique_ptr<Register::ReaderThread> m_login; // a lab's login on its way
    std::unique_ptr<Register::ReaderThread> m_finishedLogin; // the last one that did not open
};
