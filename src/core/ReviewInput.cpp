// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ReviewInput.h"

#include "core/SessionRecord.h"

#include <algorithm>

namespace Review {

void forgetSession(SessionRecord &session)
{
    noteOutcome(session, 0, 0);
}

Input reviewInputFrom(const SessionRecord &session)
{
    Input input;
    input.rangeLevel = session.RangeLevel;
    input.askedTermLow = session.AskedTermLow;
    input.askedTermHigh = session.AskedTermHigh;
    const int last = std::min(session.OpCount, SessionRecord::OperationsPerSession);
    for (int record = 1; record <= last; ++record) {
        const JudgedOperation &fact = session.Judged[record];
        if (!fact.judged)
            continue;
        const Operation operation { fact.minuend - fact.subtrahend, fact.subtrahend,
            fact.askedTerm };
        (fact.right ? input.known : input.missed).append(operation);
    }
    return input;
}

void noteOutcome(SessionRecord &session, int reviewed, int nowRight)
{
    session.ReviewedOperations = reviewed;
    session.ReviewedNowRight = nowRight;
}

} // namespace Review
