// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <algorithm>
#include <cmath>

// The seconds axis of a pupil's progress chart, the same on screen and on paper: from 0 up to a
// top that leaves a fifth of room above the slowest day, in four steps of whole seconds, so that
// every tick is labelled with its true value. Inline, for the chart module links nothing of ours.
namespace SecondsAxis {

inline constexpr int Steps = 4;

// The axis's top in seconds, a multiple of Steps: 4 for days of up to 3.3 seconds, 8 for 5.
inline int top(double slowestSeconds)
{
    const double room = std::max(1.0, slowestSeconds) * 1.2;
    return Steps * static_cast<int>(std::ceil(room / Steps));
}

} // namespace SecondsAxis
