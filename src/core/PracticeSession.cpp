// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PracticeSession.h"

#include "core/DrillCodes.h"
#include "core/NumberText.h"
#include "core/SessionRecord.h"
#include "core/StartChoices.h"

#include <algorithm>

namespace Practice {

namespace {

    // The range button whose rule draws minuends up to `minuend` with the fewest beyond it.
    int rangeLevelHolding(int minuend)
    {
        int chosen = 0;
        for (int level = 1; level <= StartChoices::RangeCount; ++level) {
            const int ceiling = ceilingOfLevel(level);
            if (ceiling >= minuend && (!chosen || ceiling < ceilingOfLevel(chosen)))
                chosen = level;
        }
        return chosen ? chosen : StartChoices::RangeCount;
    }

    // The mode list's position whose hidden terms are the plan's.
    int modePosition(const QList<PlannedOperation> &operations)
    {
        const auto asks = [&operations](bool difference) {
            return std::any_of(operations.cbegin(), operations.cend(),
                [difference](const PlannedOperation &planned) {
                    return (planned.operation.askedTerm == codeOf(Term::Difference)) == difference;
                });
        };
        if (!asks(false))
            return 0; // the difference
        return asks(true) ? 2 : 1; // any term; the minuend or the subtrahend
    }

} // namespace

void preparePractice(SessionRecord &session, const TodayPlan &plan)
{
    session.PlannedOperations.clear();
    int largest = 0;
    for (const PlannedOperation &planned : plan.operations) {
        session.PlannedOperations.append(planned.operation);
        largest = std::max(largest, planned.operation.minuend);
    }
    session.RangeLevel = rangeLevelHolding(largest);
    const StartChoices::Range &range = StartChoices::ranges().at(session.RangeLevel - 1);
    session.RangeLow = range.low;
    session.RangeHigh = range.high;
    const StartChoices::Mode &mode = StartChoices::modes().at(modePosition(plan.operations));
    session.AskedTermLow = mode.askedTermLow;
    session.AskedTermHigh = mode.askedTermHigh;
    session.ModeCaption = mode.caption;
    session.ModeScreenColour = QString::number(mode.screenColour);
    session.ModeColour = QString::number(mode.buttonColour);
}

std::optional<Exercise::OperationView> presentPlanned(
    SessionRecord &session, const Operation &operation)
{
    session.Subtrahend = operation.subtrahend;
    session.Difference = operation.minuend - operation.subtrahend;
    session.DifferencePad = NumberText::pad(session.Difference);
    session.SubtrahendPad = NumberText::pad(session.Subtrahend);
    session.AskedTerm = operation.askedTerm;
    return Exercise::presentAskedTerm(session);
}

} // namespace Practice
