// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QDate>
#include <QList>
#include <memory>

class QWidget;

// The chart of a pupil's days: right answers in % and the median seconds per answer, one point
// per day. Qt Charts lives in a module of its own that the program loads on the first chart, so
// that neither it nor its OpenGL libraries weigh on the start.
class ProgressChart
{
public:
    struct Day
    {
        QDate day;
        int rightPercent = 0;
        double medianSeconds = 0.0;
    };

    virtual ~ProgressChart() = default;
    // The chart's widget, a child of the parent given at its creation.
    virtual QWidget *widget() = 0;
    virtual void setDays(const QList<Day> &days) = 0;
};

// What the screens draw charts with: the desktop loads the chart module on the first chart.
class Charts
{
public:
    virtual ~Charts() = default;
    // A progress chart whose widget is a child of the parent; nullptr when charts cannot be
    // drawn (the screens then show their tables alone).
    virtual std::unique_ptr<ProgressChart> progressChart(QWidget *parent) = 0;
};

// The module's one entry point, looked up by this name.
using CreateProgressChart = ProgressChart *(*)(QWidget *parent);
inline constexpr char CreateProgressChartSymbol[] = "vovorudorozCreateProgressChart";
// The module's file name in the program folder, without the platform's prefix and suffix.
inline constexpr char ChartModuleName[] = "vovorudoroz_charts";
