// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QDate>
#include <QString>

// The time and the date as the screens read them.
class Clock
{
public:
    virtual ~Clock() = default;

    // Time of day in seconds since midnight, with fractions.
    virtual float timeOfDay() = 0;
    // Seconds on a clock that never jumps or wraps, for measuring intervals.
    virtual double monotonicSeconds() = 0;
    // Today's date in the short form of the system's locale, with a four-digit year.
    virtual QString shortDate() = 0;
    // Today's date.
    virtual QDate today() = 0;
};
