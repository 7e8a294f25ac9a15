// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/OperationDisplay.h"
#include "core/TodayPlan.h"

#include <optional>

struct SessionRecord;

// Today's practice played on the exercise screen as any session is: the plan's operations in
// order, under the range and the mode that hold them, so that the report, the certificate, the
// analysis and the review read it as they read a session of a range button.
namespace Practice {

// Puts the plan on the record for the next session: its operations, the lowest range level
// whose numbers reach its largest minuend, and the mode of its hidden terms with its colours.
void preparePractice(SessionRecord &session, const TodayPlan &plan);

// Writes the planned operation's numbers and hidden term and shows it as presentOperation does.
std::optional<Exercise::OperationView> presentPlanned(
    SessionRecord &session, const Operation &operation);

} // namespace Practice
