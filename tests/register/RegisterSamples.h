// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "register/SqliteRegister.h"

inline const QDateTime SampleMonday(QDate(2026, 12, 7), QTime(9, 30));

// One session of `answers` answers, every third one wrong, 3.5 seconds each, written and waited for.
inline void practise(
    SqliteRegister &reg, const QString &name, int answers, const QDateTime &at = SampleMonday)
{
    reg.sessionStarted({ name, 1, 4, 10, 40, at });
    for (int n = 1; n <= answers; ++n) {
        const bool right = n % 3 != 0;
        reg.answerJudged(
            { n, 30 + n, 12, 1, 18 + n, right ? QString::number(18 + n) : QStringLiteral("7"),
                right, 3.5, at.addSecs(n * 4), QString() });
    }
    reg.sessionEnded({ Register::Ending::Completed, at.addSecs(answers * 4 + 1) });
    reg.waitUntilWritten();
}
