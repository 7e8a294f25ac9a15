// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "teacher/PupilPanel.h"

#include "frame/Controls.h"
#include "frame/ProgressChart.h"
#include "frame/Twips.h"
#include "teacher/ProgressSheet.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

PupilPanel::PupilPanel(QWidget *parent, Charts &charts, const QColor &background)
    : QWidget(parent), m_charts(charts)
{
    setObjectName(QStringLiteral("fraAlunno"));
    tblSessioni = new QTableWidget(0, int(ProgressSheet::headings().size()), this);
    tblSessioni->setObjectName(QStringLiteral("tblSessioni"));
    tblSessioni->setAccessibleName(QStringLiteral("Le sessioni dell'alunno"));
    tblSessioni->setFont(Controls::arial(9));
    tblSessioni->setHorizontalHeaderLabels(ProgressSheet::headings());
    tblSessioni->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSessioni->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblSessioni->setSelectionMode(QAbstractItemView::SingleSelection);
    tblSessioni->verticalHeader()->hide();
    tblSessioni->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblSessioni->verticalHeader()->setDefaultSectionSize(tblSessioni->fontMetrics().height() + 6);
    tblSessioni->horizontalHeader()->setStretchLastSection(true);
    cmdOperazioni = Controls::button(this, QStringLiteral("cmdOperazioni"),
        QStringLiteral("OPERAZIONI"), Controls::arial(9.75, true));
    cmdAnalisi = Controls::button(this, QStringLiteral("cmdAnalisi"),
        QStringLiteral("ANALISI DEGLI ERRORI"), Controls::arial(9.75, true));
    for (QPushButton *button : { cmdOperazioni, cmdAnalisi }) {
        Controls::setBackground(button, background);
        button->setMinimumSize(Twips::toPixels(2360), Twips::toPixels(420));
    }

    auto *sessions = new QVBoxLayout;
    sessions->addWidget(tblSessioni, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdOperazioni);
    buttons->addWidget(cmdAnalisi);
    sessions->addLayout(buttons);
    m_row = new QHBoxLayout(this);
    m_row->setContentsMargins(0, 0, 0, 0);
    m_row->addLayout(sessions, 1);
}

PupilPanel::~PupilPanel() = default;

void PupilPanel::showPupil(
    const QList<Register::DayPoint> &days, const QList<Register::SessionSummary> &sessions)
{
    m_days = days;
    m_sessions = sessions;
    if (!m_chart && !sessions.isEmpty()) {
        m_chart = m_charts.progressChart(this);
        if (m_chart) {
            m_chart->widget()->setMinimumSize(Twips::toPixels(5900), Twips::toPixels(3150));
            m_row->insertWidget(0, m_chart->widget(), 1);
            m_chart->widget()->show();
        }
    }
    if (m_chart) {
        QList<ProgressChart::Day> points;
        for (const Register::DayPoint &day : m_days)
            points.append({ day.day, day.rightPercent, day.medianSeconds });
        m_chart->setDays(points);
    }
    // The answers given with the number line, per session, so that the teacher sees the aid
    // fade; a column only for a pupil who ever used it.
    const bool aided = std::any_of(m_sessions.cbegin(), m_sessions.cend(),
        [](const Register::SessionSummary &session) { return session.aidUses > 0; });
    QStringList headings = ProgressSheet::headings();
    if (aided)
        headings.append(QStringLiteral("Aiuto"));
    tblSessioni->setColumnCount(int(headings.size()));
    tblSessioni->setHorizontalHeaderLabels(headings);
    // The newest session first, where the teacher looks.
    tblSessioni->setRowCount(int(m_sessions.size()));
    for (int row = 0; row < int(m_sessions.size()); ++row) {
        const int index = int(m_sessions.size()) - 1 - row;
        QStringList cells = ProgressSheet::cells(m_sessions[index]);
        if (aided)
            cells.append(QString::number(m_sessions[index].aidUses));
        for (int column = 0; column < int(cells.size()); ++column) {
            auto *cell = new QTableWidgetItem(cells[column]);
            cell->setData(Qt::UserRole, index);
            tblSessioni->setItem(row, column, cell);
        }
    }
    tblSessioni->resizeColumnsToContents();
}

const Register::SessionSummary *PupilPanel::chosenSession() const
{
    const QList<QTableWidgetItem *> chosen = tblSessioni->selectedItems();
    if (chosen.isEmpty())
        return nullptr;
    return &m_sessions[chosen.first()->data(Qt::UserRole).toInt()];
}
