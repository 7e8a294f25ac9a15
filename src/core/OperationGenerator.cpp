// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/OperationGenerator.h"

#include "core/NumberText.h"
#include "core/RandomSource.h"
#include "core/SessionRecord.h"

#include <cmath>

namespace Exercise {

namespace {

    int drawWhole(RandomSource &random, int span, int base)
    {
        return static_cast<int>(std::floor(random.next() * span)) + base;
    }

} // namespace

std::optional<DrawRule> drawRule(int rangeLevel)
{
    switch (rangeLevel) {
    case 1:
        return DrawRule { 1, 10, 0, 10, 1, 9, false };
    case 2:
        return DrawRule { 1, 20, 0, 20, 1, 19, true };
    case 3:
        return DrawRule { 1, 20, 0, 20, 10, 20, false };
    case 4:
        return DrawRule { 5, 15, 5, 15, 10, 40, false };
    case 5:
        return DrawRule { 20, 40, 20, 40, 40, 90, false };
    case 6:
        return DrawRule { 5, 45, 5, 45, 10, 99, false };
    default:
        return std::nullopt;
    }
}

QList<DrawnPair> drawablePairs(int rangeLevel)
{
    QList<DrawnPair> pairs;
    const auto rule = drawRule(rangeLevel);
    if (!rule)
        return pairs;
    for (int d = rule->differenceBase; d < rule->differenceBase + rule->differenceSpan; ++d) {
        for (int s = rule->subtrahendBase; s < rule->subtrahendBase + rule->subtrahendSpan; ++s) {
            if (rule->accepts(d, s))
                pairs.append({ d + s, s });
        }
    }
    return pairs;
}

void livello(SessionRecord &session, RandomSource &random, const std::function<float()> &timeOfDay)
{
    random.seed(timeOfDay());
    if (const auto rule = drawRule(session.RangeLevel)) {
        int difference = 0;
        int subtrahend = 0;
        do {
            if (rule->reseedEachAttempt)
                random.seed(timeOfDay());
            difference = drawWhole(random, rule->differenceSpan, rule->differenceBase);
            subtrahend = drawWhole(random, rule->subtrahendSpan, rule->subtrahendBase);
        } while (!rule->accepts(difference, subtrahend));
        session.Difference = difference;
        session.Subtrahend = subtrahend;
    }
    session.DifferencePad = NumberText::pad(session.Difference);
    session.SubtrahendPad = NumberText::pad(session.Subtrahend);
}

} // namespace Exercise
