// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilRegister.h"

struct SessionRecord;

// What the register keeps, read from the session record by the screens that tell it.
namespace Register {

// The mode by the range of hidden terms: 1 the difference, 2 minuend or subtrahend, 3 any term.
int modeOf(int askedTermLow, int askedTermHigh);
// A day and a clock reading in seconds since midnight as one moment.
QDateTime momentOf(const QDate &day, float timeOfDay);

SessionStart sessionStartOf(const SessionRecord &session, const QDateTime &at);
// The operation judged last, OpCount, answered in `seconds`, with the error it shows.
Answer answerOf(const SessionRecord &session, double seconds, const QDateTime &at);

} // namespace Register
