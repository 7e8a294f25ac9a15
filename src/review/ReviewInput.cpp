// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "review/ReviewInput.h"

#include "session/SessionRecord.h"

#include <algorithm>

namespace Review {

void forgetSession(SessionRecord &session)
{
    session.JudgedFacts = {};
    noteOutcome(session, 0, 0);
}

void noteJudged(SessionRecord &session, bool right)
{
    if (session.OpCount < 1 || session.OpCount >= SessionRecord::RecordSlots)
        return;
    session.JudgedFacts[session.OpCount] = { session.Difference, session.Subtrahend,
        session.AskedTerm, right };
}

Input reviewInputFrom(const SessionRecord &session)
{
    Input input;
    input.rangeLevel = session.RangeLevel;
    input.askedTermLow = session.AskedTermLow;
    input.askedTermHigh = session.AskedTermHigh;
    const int last = std::min(session.OpCount, SessionRecord::OperationsPerSession);
    for (int record = 1; record <= last; ++record) {
        const SessionRecord::JudgedFact &fact = session.JudgedFacts[record];
        if (fact.AskedTerm < 1)
            continue; // not judged
        const Operation operation { fact.Difference, fact.Subtrahend, fact.AskedTerm };
        (fact.Right ? input.known : input.missed).append(operation);
    }
    return input;
}

void noteOutcome(SessionRecord &session, int reviewed, int nowRight)
{
    session.ReviewedOperations = reviewed;
    session.ReviewedNowRight = nowRight;
}

} // namespace Review
