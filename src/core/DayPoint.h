// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QDate>

namespace Register {

// One day of a pupil's practice, as the register sums it up for the progress chart.
struct DayPoint
{
    QDate day;
    int answers = 0;
    int rightPercent = 0;
    double medianSeconds = 0.0;
};

} // namespace Register
