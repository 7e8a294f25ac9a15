// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/SessionFacts.h"

#include "core/DrillCodes.h"
#include "core/ErrorRules.h"
#include "core/SessionRecord.h"

#include <QTime>

namespace Register {

int modeOf(int askedTermLow, int askedTermHigh)
{
    return codeOf(modeAsking(askedTermLow, askedTermHigh));
}

QDateTime momentOf(const QDate &day, float timeOfDay)
{
    return QDateTime(day, QTime::fromMSecsSinceStartOfDay(static_cast<int>(timeOfDay * 1000)));
}

SessionStart sessionStartOf(const SessionRecord &session, const QDateTime &at)
{
    return { session.PupilName, modeOf(session.AskedTermLow, session.AskedTermHigh),
        session.RangeLevel, session.RangeLow, session.RangeHigh, at };
}

Answer answerOf(const SessionRecord &session, double seconds, const QDateTime &at)
{
    const JudgedOperation &judged = session.Judged.at(session.OpCount);
    return { session.OpCount, judged.minuend, judged.subtrahend, judged.askedTerm,
        session.ExpectedAnswer, judged.answer, judged.right, seconds, at,
        Analysis::errorName(Analysis::judge(judged).error) };
}

} // namespace Register
