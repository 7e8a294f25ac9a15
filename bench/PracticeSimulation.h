// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ErrorRules.h"
#include "core/TodayPlan.h"

#include <QString>
#include <cstdint>
#include <optional>

// Simulated pupils who practise ten school days with today's plan, to measure whether the plan
// keeps its promises: missed operations come back, the practice stays on what is not learned
// yet without being too hard, a fluent pupil learns a family in two days, and a wrong procedure
// meets its telling operations every day until it is overcome.
namespace PracticeSimulation {

constexpr int CourseDays = 10;
// A pupil who follows a wrong procedure drops it after answering this many of the operations
// that tell it apart (by it, wrongly).
constexpr int DropsProcedureAfter = 12;

struct Pupil
{
    QString label;
    Analysis::Error procedure = Analysis::Error::None; // followed wherever it gives a wrong answer
    std::optional<Practice::Family> weakFamily; // often wrong and slow there, less so with practice
    double slipRate = 0.03;
    int seconds = 4; // on the easiest family; a little more on each later one
    // The range level of one ordinary session on the day before the course (as the program
    // draws it, with the hidden terms 1..firstAskedHigh); 0: a new pupil.
    int firstLevel = 0;
    int firstAskedHigh = 1;
    std::optional<Practice::Assignment> assignment;
};

// What one course or many courses showed; the sums add up over courses.
struct Figures
{
    int courses = 0;
    // Operations missed on a day that has three practice days after it, and of them those
    // asked again within those three days.
    int missed = 0;
    int missedAskedAgain = 0;
    // Plans made while a family in play was not learned, where half the plan could come from
    // families not learned or due misses within the cap (the hard places and the operations of
    // families not learned answered right the last time make half); of them, the plans that
    // did; and the others, out of reach.
    int plans = 0;
    int plansOnWhatIsNotLearned = 0;
    int lowestSharePercent = 100;
    int plansOutOfReach = 0;
    int outOfReachLowestShare = 100;
    // Of them, plans for a pupil who answered right, the last time, enough operations to fill
    // the places that are not hard; and the others, which cannot keep the cap.
    int plansKnowingEnough = 0;
    int plansWithinHardCap = 0;
    int mostHard = 0;
    int plansKnowingTooFew = 0;
    int tooFewMostHard = 0;
    // A fluent pupil's families: in play on a day, learned by the next day; and the families
    // learned, of them those learned on the only day they were asked (which must never be).
    int familiesInPlay = 0;
    int learnedByNextDay = 0;
    int learned = 0;
    int learnedAfterOneDay = 0;
    // Days a wrong procedure was probable or confirmed, and of them days with at least one
    // operation telling it apart; courses where it was overcome, and the day.
    int openProcedureDays = 0;
    int daysWithTelling = 0;
    int overcome = 0;
    int overcomeDaySum = 0;

    void add(const Figures &other);
};

Figures course(const Pupil &pupil, std::uint64_t seed);

} // namespace PracticeSimulation
