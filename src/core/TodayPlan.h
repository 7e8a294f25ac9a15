// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/Hypothesis.h"
#include "core/PracticeFamily.h"

#include <QDate>
#include <QList>
#include <optional>

class RandomSource;

// Today's forty operations for one pupil, chosen from what the pupil did before today.
//
// - Families in play: the teacher's assigned ones; or else the families not learned, in
//   teaching order, up to the first one never practised, so that a new family starts while the
//   ones before become fluent.
// - Numbers: up to the assigned range's largest minuend, or else up to the smallest range size
//   that holds the largest minuend the pupil was asked (9 for a new pupil), raised while a family
//   in play has fewer than LearnedOperations operations there.
// - At most one operation in three is hard (never answered right, or missed the last time), and
//   the hard places go, in this order, to: TellingPerProcedure operations that tell each
//   probable or confirmed wrong procedure apart (due missed ones first, then those answered
//   right the last time, then new ones), so that the pupil meets them every day; the missed
//   operations due again, the longest due first; new operations of the families in play: each
//   up to FreshTarget with the ones it has known, the one with the fewest known first, then in
//   turn.
// - Due operations answered right the last time, then operations the pupil answered right the
//   last time fill the rest: those of the families in play first, then of the other families not
//   learned, then of the learned ones, at random within each.
// - Only a pupil with too few such operations (a first day, or after a session mostly wrong)
//   gets more new ones than the cap.
// No operation comes twice unless every pool has run out. The forty are shuffled and read as
// four exercises of ten.
namespace Practice {

constexpr int PlanSize = 40;
constexpr int HardCap = PlanSize / 3;
constexpr int TellingPerProcedure = 4;
constexpr int FreshTarget = 12;

struct Assignment
{
    QList<Family> families;
    int rangeLevel = 0; // 1..6; 0 lets the pupil's history choose
};

struct PlannedOperation
{
    enum class Source {
        Telling, // tells an open wrong procedure apart
        DueAgain, // missed on an earlier day and due again today
        New, // never answered right: of a family in play, or of any on a first day
        Known, // answered right the last time
    };
    Operation operation;
    Source source = Source::Known;
    bool hard = false;
};

struct TodayPlan
{
    QList<Family> inPlay;
    int ceiling = 0; // the largest minuend of the new operations
    QList<PlannedOperation> operations; // PlanSize, exercise after exercise
};

// `history` may hold today's sessions too: only earlier days count. `procedures` are the
// wrong procedures found so far (Hypothesis::found); only the probable and confirmed ones are
// practised.
TodayPlan todayPlan(const QList<Hypothesis::DatedSession> &history,
    const QList<Hypothesis::Found> &procedures, const std::optional<Assignment> &assignment,
    const QDate &today, RandomSource &random);

} // namespace Practice
