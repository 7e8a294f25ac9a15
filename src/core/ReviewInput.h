// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ReviewOperation.h"

struct SessionRecord;

// The review's one window on the session: the judged operations it reads, and what a review
// makes of them.
namespace Review {

// A new session: no review yet.
void forgetSession(SessionRecord &session);

// The session's missed operations in the order they were missed and those answered right,
// from records 1 to OpCount, with the session's range level and hidden-term bounds.
Input reviewInputFrom(const SessionRecord &session);

// Keeps a finished review's outcome for the analysis of errors.
void noteOutcome(SessionRecord &session, int reviewed, int nowRight);

} // namespace Review
