// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/Hypothesis.h"
#include "core/PracticeFamily.h"

#include <QDate>
#include <QHash>
#include <QList>

// What a pupil did with each operation, day by day, read from the pupil's dated sessions: what
// today's practice is chosen from.
namespace Practice {

struct Answer
{
    QDate day;
    bool right = false;
    int seconds = 0;
};

// A missed operation comes back 1 day after the miss, then 3 days after the next right answer,
// then 7 days after the one after; a third right answer on a later day retires it, and a miss on
// the way starts again from 1 day.
constexpr int RepeatIntervals[] = { 1, 3, 7 };

// A right answer is fluent within FluentFactor times the pupil's own median seconds on right
// answers of the easy families (up to 10, taking away 1, 2 or 10), or on all right answers while
// there are fewer than EasyAnswersEnough of those.
constexpr int FluentFactor = 2;
constexpr int EasyAnswersEnough = 5;

class History
{
public:
    explicit History(QList<Hypothesis::DatedSession> sessions);

    // Every operation asked, in the order first asked.
    const QList<Operation> &operations() const { return m_operations; }
    // Its answers in the order of their days; none for an operation never asked.
    QList<Answer> answers(const Operation &operation) const;
    // Never answered right, or missed the last time it was asked.
    bool isHard(const Operation &operation) const;
    // The day a missed operation comes back; invalid when it does not (never missed, or
    // retired).
    QDate dueOn(const Operation &operation) const;
    // Seconds within which a right answer is fluent; 0 while the pupil has no right answer.
    int fluentSeconds() const { return m_fluentSeconds; }
    bool isFluent(const Answer &answer) const
    {
        return answer.right && answer.seconds <= m_fluentSeconds;
    }
    // The largest minuend asked; 0 when nothing was.
    int largestMinuend() const { return m_largestMinuend; }

private:
    static int key(const Operation &operation);

    QList<Operation> m_operations;
    QHash<int, QList<Answer>> m_answers;
    int m_fluentSeconds = 0;
    int m_largestMinuend = 0;
};

} // namespace Practice
