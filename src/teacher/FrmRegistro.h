// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "register/RegisterQueries.h"
#include "register/TeacherPassword.h"
#include "frame/Screen.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;
class Services;

// "REGISTRO DELLA CLASSE", for the teacher: behind the teacher's password, one row per pupil,
// the CSV export, and the deletion of a pupil or of the whole register.
class FrmRegistro : public Screen
{
    Q_OBJECT

public:
    explicit FrmRegistro(Services &services);
    ~FrmRegistro() override;

private slots:
    void cmdEntra_Click();
    void cmdEsporta_Click();
    void cmdElimina_Click();
    void cmdSvuota_Click();
    void cmdCambia_Click();

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

    Services &m_services;
    std::unique_ptr<Register::RegisterQueries> m_queries;
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
    QLabel *lblEsito = nullptr;
    QPushButton *cmdEsporta = nullptr;
    QPushButton *cmdElimina = nullptr;
    QPushButton *cmdSvuota = nullptr;
    QPushButton *cmdCambia = nullptr;
    QLabel *lblStato = nullptr;
    QPushButton *cmdEsci = nullptr;
};
