// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilRegister.h"
#include "core/SessionRecord.h"

#include <QList>

namespace Register {

// A session read back from the register, set out in a session record as the exercise screen
// left it that day: the pupil, the mode and range, each record line, each judged operation and
// the exercise times, built by the exercise's own rules, so that the report and the analysis
// show it as they showed it then. `date` is the day's short date for the analysis's heading.
SessionRecord storedSession(
    const SessionStart &start, const QList<Answer> &answers, const QString &date);

// A screen's window title for the session it shows: the title alone for the session of this
// run; for one read back from the register, with whose and which day it is, so that the teacher
// tells it from the live one ("ANALISI DEGLI ERRORI — Luca, 07/12/2026").
QString windowTitleFor(const QString &title, const SessionRecord &session);

} // namespace Register
