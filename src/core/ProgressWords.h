// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/DayPoint.h"
#include "core/Hypothesis.h"

#include <QDate>
#include <QList>
#include <QString>

// The words of the pupil's own progress screen.
namespace Register {

// One sentence that encourages, from the days practised (oldest first): fewer mistakes than the
// first day, else faster than the day before, else a nudge to go on.
QString encouragement(const QList<DayPoint> &days, const QDate &today);
// One sentence that celebrates the first wrong procedure overcome ("Ora sai fare le sottrazioni
// con il prestito!"); empty when none is.
QString celebration(const QList<Hypothesis::Found> &found);
// The day with the most right answers (the faster of equals); an empty point when there is none.
DayPoint bestDay(const QList<DayPoint> &days);

} // namespace Register
