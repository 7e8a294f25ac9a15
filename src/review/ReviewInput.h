// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "review/ReviewOperation.h"

struct SessionRecord;

// The review's one window on the session: the facts of each judged operation, written at the
// check, and what a review makes of them. Nothing else reads or writes JudgedFacts.
namespace Review {

// A new session: no judged operations and no review yet.
void forgetSession(SessionRecord &session);

// Notes the operation on show (record OpCount) as judged right or wrong.
void noteJudged(SessionRecord &session, bool right);

// The session's missed operations in the order they were missed and those answered right,
// from records 1 to OpCount, with the session's range level and hidden-term bounds.
Input reviewInputFrom(const SessionRecord &session);

// Keeps a finished review's outcome for the analysis of errors.
void noteOutcome(SessionRecord &session, int reviewed, int nowRight);

} // namespace Review
