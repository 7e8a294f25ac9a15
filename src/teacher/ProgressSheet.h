// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RegisterValues.h"

#include <QList>
#include <QString>

class PageDrawing;
class QPainter;
class QRectF;

// The teacher's one-page sheet of a pupil's progress: the chart of the days drawn with the
// painter (the same figures as the screen's chart), then the table of the sessions.
namespace ProgressSheet {

struct Content
{
    QString pupil; // as the screens show it
    QString date; // the day it is printed
    QList<Register::DayPoint> days;
    QList<Register::SessionSummary> sessions;
};

// Sessions beyond what one page holds: the newest are printed.
inline constexpr int MostRows = 30;

void draw(PageDrawing &printer, const Content &content);
// The chart alone, in the box: right answers in % on the left axis, median seconds on the
// right one, one point per day on a time axis.
void paintChart(QPainter &painter, const QRectF &box, const QList<Register::DayPoint> &days);

// The words of the sessions' table, the same on screen and on paper.
QStringList headings();
QStringList cells(const Register::SessionSummary &session);

} // namespace ProgressSheet
