// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QList>
#include <functional>
#include <optional>

class RandomSource;
struct SessionRecord;

// Draws the two numbers of the next subtraction (livello). The pupil's range level picks a
// rule; the difference and the subtrahend are drawn uniformly and drawn again until their sum,
// the minuend, falls in the level's band, so every accepted pair is equally likely.
namespace Exercise {

struct DrawRule
{
    int differenceBase; // the difference is differenceBase + floor(r * differenceSpan)
    int differenceSpan;
    int subtrahendBase;
    int subtrahendSpan;
    int lowestMinuend; // accepted minuends, bounds included
    int highestMinuend;
    bool reseedEachAttempt;

    bool accepts(int difference, int subtrahend) const
    {
        const int minuend = difference + subtrahend;
        return minuend >= lowestMinuend && minuend <= highestMinuend;
    }
};

// The rule of a range level 1..6, or nothing for any other level.
std::optional<DrawRule> drawRule(int rangeLevel);

struct DrawnPair
{
    int minuend;
    int subtrahend;
};
// Every pair the level's rule can draw, by difference and then by subtrahend; none for a level
// outside 1..6.
QList<DrawnPair> drawablePairs(int rangeLevel);

// Writes Difference, Subtrahend and their pads for session.RangeLevel. The source is seeded from
// timeOfDay() first (and, at level 2, again before every attempt). A level outside 1..6 draws
// nothing: the previous numbers stay and only their pads are set again.
void livello(SessionRecord &session, RandomSource &random, const std::function<float()> &timeOfDay);

} // namespace Exercise
