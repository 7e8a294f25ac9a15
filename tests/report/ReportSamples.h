// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/SessionRecord.h"

#include <QString>

// Record lines as the exercise screen writes them, different for every operation so that a
// test can tell which record landed where: record i asks (10 + i) - 7.
inline QString sampleRecord(int record)
{
    const int answer = record + 3;
    const QString answerGroup =
        answer < 10 ? QStringLiteral("   (%1)").arg(answer) : QStringLiteral("  (%1)").arg(answer);
    const QString mark = record % 3 == 0 ? QStringLiteral("*") : QStringLiteral(" ");
    return QStringLiteral("%1 -  7 =  ?").arg(10 + record) + answerGroup + mark
        + QStringLiteral("  5 Tp");
}

// A session after `count` operations, with the times of the exercises begun so far.
inline void fillSession(SessionRecord &session, int count)
{
    session.OpCount = count;
    for (int i = 1; i <= count; ++i)
        session.OpRecords[i] = sampleRecord(i);
    const QString times[] = { QString(), QStringLiteral(" 53"), QStringLiteral(" 61"),
        QStringLiteral(" 100"), QStringLiteral(" 9") };
    for (int k = 1; k <= 4; ++k)
        session.ExerciseTimeText[k] = count > (k - 1) * 10 ? times[k] : QString();
}
