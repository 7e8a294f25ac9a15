// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/Screen.h"

#include <memory>

class ProgressChart;
class QLabel;
class QPushButton;
class QTableWidget;
class Services;
struct SessionRecord;

// "I miei progressi": the pupil's own days of practice, read from the register, in large type:
// sessions, the best day, one encouraging sentence and a table with one row per day.
class FrmProgressi : public Screen
{
    Q_OBJECT

public:
    FrmProgressi(SessionRecord &session, Services &services);
    ~FrmProgressi() override;

    void readSession() override;

private:
    void buildControls();

    SessionRecord &m_session;
    Services &m_services;

    QLabel *lblTitolo = nullptr;
    QLabel *lblSessioni = nullptr;
    QLabel *lblMigliore = nullptr;
    QLabel *lblFrase = nullptr;
    std::unique_ptr<ProgressChart> m_chart; // none when the chart module is missing
    QTableWidget *tblGiorni = nullptr;
    QPushButton *cmdEsci = nullptr;
};
