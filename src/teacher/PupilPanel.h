// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RegisterValues.h"

#include <QWidget>
#include <memory>

class Charts;
class ProgressChart;
class QHBoxLayout;
class QPushButton;
class QTableWidget;

// The chosen pupil in the teacher's register: the chart of the days on the left (when charts
// can be drawn), the sessions, newest first, on the right with the buttons that open one.
class PupilPanel final : public QWidget
{
    Q_OBJECT

public:
    PupilPanel(QWidget *parent, Charts &charts, const QColor &background);
    ~PupilPanel() override;

    // Empty lists: no pupil chosen.
    void showPupil(
        const QList<Register::DayPoint> &days, const QList<Register::SessionSummary> &sessions);
    const QList<Register::DayPoint> &days() const { return m_days; }
    // The chosen session, or nullptr.
    const Register::SessionSummary *chosenSession() const;

    QTableWidget *sessionsTable() const { return tblSessioni; }
    QPushButton *reportButton() const { return cmdOperazioni; }
    QPushButton *analysisButton() const { return cmdAnalisi; }
    const QList<Register::SessionSummary> &sessions() const { return m_sessions; }

private:
    Charts &m_charts;
    QHBoxLayout *m_row = nullptr;
    std::unique_ptr<ProgressChart> m_chart; // made for the first pupil shown; none without charts
    QList<Register::DayPoint> m_days;
    QList<Register::SessionSummary> m_sessions;
    QTableWidget *tblSessioni = nullptr;
    QPushButton *cmdOperazioni = nullptr;
    QPushButton *cmdAnalisi = nullptr;
};
