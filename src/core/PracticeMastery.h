// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PracticeFamily.h"

#include <QDate>
#include <QString>

namespace Practice {

class History;

// A family is learned on the second day on which at least LearnedOperations different
// operations practised as it were answered right within the pupil's fluent time, with at least
// LearnedPercent of that day's answers of the family right; slow right answers count for
// nothing. A miss of one of its operations on a later day than the day it was
// learned re-opens it, and the days are counted again from the next day.
constexpr int LearnedOperations = 8;
constexpr int LearnedDays = 2;
constexpr int LearnedPercent = 90;

struct Mastery
{
    enum class State {
        ToStart, // none of its operations answered right yet
        Training, // answered right, not yet learned
        Learned,
    };
    State state = State::ToStart;
    QDate learnedOn; // the day it was learned, for Learned
};

Mastery mastery(Family family, const History &history);
// "da iniziare", "in allenamento", "imparata il 05/10".
QString masteryText(const Mastery &mastery);

} // namespace Practice
