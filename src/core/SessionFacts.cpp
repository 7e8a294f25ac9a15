// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/SessionFacts.h"

#include "core/SessionRecord.h"

#include <QTime>

namespace Register {

int modeOf(int askedTermLow, int askedTermHigh)
{
    if (askedTermLow == 1)
        return askedTermHigh == 1 ? 1 : 3;
    return 2;
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
        session.ExpectedAnswer, judged.answer, judged.right, seconds, at };
}

} // namespace Register
