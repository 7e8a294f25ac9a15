// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/Screen.h"
#include "register/RegisterQueries.h"
#include "register/TeacherPassword.h"

#include <memory>

class ProgressChart;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;
class Services;
struct SessionRecord;

// "REGISTRO DELLA CLASSE", for the teacher: behind the teacher's password, one row per pupil;
// for the chosen pupil the chart of the days, the sessions, and a session's report and analysis
// on the stored session record; the progress sheet, the CSV export, and the deletion of a pupil
// or of the whole register.
class FrmRegistro : public Screen
{
    Q_OBJECT

public:
    // chosenSession: where a session read back from the register is set out for the report
    // and the analysis screens that show it.
    FrmRegistro(Services &services, SessionRecord &chosenSession);
    ~FrmRegistro() override;

private slots:
    void cmdEntra_Click();
    void cmdEsporta_Click();
    void cmdElimina_Click();
    void cmdSvuota_Click();
    void cmdCambia_Click();
    void cmdOperazioni_Click();
    void cmdAnalisi_Click();
    void cmdStampa_Click();

private:
    void buildControls();
    // The password panel: to choose the first password, to enter, or to change it.
    void askPassword(bool change = false);
    void showClass();
    void fillClass();
    void filterRows(const QString &typed);
    void showStatus();
    // The pupil of the chosen row: (key, name), or empty.
    std::pair<QString, QString> chosenPupil() const;
    // The chart and the sessions of the chosen pupil, or nothing when none is chosen.
    void showPupil();
    // Sets the chosen session out in the stored session record; false when none is chosen.
    bool readChosenSession();
    // After a deletion: the stored session's screens close and nothing of it stays in memory.
    void forgetChosenSession();

    Services &m_services;
    SessionRecord &m_chosenSession;
    std::unique_ptr<Register::RegisterQueries> m_queries;
    QList<Register::DayPoint> m_days; // of the pupil shown
    QList<Register::SessionSummary> m_sessions;
    std::unique_ptr<TeacherPassword> m_password;

    QLabel *lblTitolo = nullptr;
    QWidget *fraPassword = nullptr;
    QLabel *lblPassword = nullptr;
    QLineEdit *txtPassword = nullptr;
    QLabel *lblNuova = nullptr;
    QLineEdit *txtNuova = nullptr; // the new password, when changing
    QPushButton *cmdEntra = nullptr;
    QWidget *fraClasse = nullptr;
    QLineEdit *txtCerca = nullptr;
    QTableWidget *tblClasse = nullptr;
    std::unique_ptr<ProgressChart> m_chart; // made for the first pupil shown; none without charts
    QTableWidget *tblSessioni = nullptr;
    QPushButton *cmdOperazioni = nullptr;
    QPushButton *cmdAnalisi = nullptr;
    QPushButton *cmdStampa = nullptr;
    QLabel *lblEsito = nullptr;
    QPushButton *cmdEsporta = nullptr;
    QPushButton *cmdElimina = nullptr;
    QPushButton *cmdSvuota = nullptr;
    QPushButton *cmdCambia = nullptr;
    QLabel *lblStato = nullptr;
    QPushButton *cmdEsci = nullptr;
};
