// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/Screen.h"

#include "core/RegisterValues.h"

#include <memory>

class Charts;
class Clock;
class ProgressChart;
class QLabel;
class QPushButton;
class QTableWidget;
class RegisterReading;
class ScreenRegistry;
struct SessionRecord;
namespace Register {
class ReaderThread;
}

// "I miei progressi": the pupil's own days of practice, read from the register, in large type:
// sessions, the best day, one encouraging sentence and a table with one row per day.
class FrmProgressi : public Screen
{
    Q_OBJECT

public:
    FrmProgressi(SessionRecord &session, Clock &clock, Charts &charts, RegisterReading &reading,
        ScreenRegistry &screens);
    ~FrmProgressi() override;

    void readSession() override;

private:
    struct Days
    {
        QList<Register::DayPoint> days;
        int sessions = 0;
        QString celebrated;
    };

    void buildControls();
    void showDays(const Days &read, bool registerOn);

    SessionRecord &m_session;
    Clock &m_clock;
    RegisterReading &m_reading;
    ScreenRegistry &m_screens;
    std::unique_ptr<Register::ReaderThread> m_reader; // opened on the first reading
    int m_readings = 0; // only the last reading's result is shown

    QLabel *lblTitolo = nullptr;
    QLabel *lblSessioni = nullptr;
    QLabel *lblMigliore = nullptr;
    QLabel *lblFrase = nullptr;
    std::unique_ptr<ProgressChart> m_chart; // none when the chart module is missing
    QTableWidget *tblGiorni = nullptr;
    QPushButton *cmdMappa = nullptr;
    QPushButton *cmdEsci = nullptr;
};
