// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PracticeHistory.h"

#include "core/ErrorSummary.h"

#include <algorithm>

namespace Practice {

History::History(QList<Hypothesis::DatedSession> sessions)
{
    // Sessions of one day keep the order they were given in.
    std::stable_sort(sessions.begin(), sessions.end(),
        [](const auto &a, const auto &b) { return a.day < b.day; });
    QList<int> easySeconds;
    QList<int> rightSeconds;
    for (const Hypothesis::DatedSession &session : std::as_const(sessions)) {
        for (const JudgedOperation &judged : session.operations) {
            if (!judged.judged)
                continue;
            const Operation operation { judged.minuend, judged.subtrahend, judged.askedTerm };
            QList<Answer> &answers = m_answers[key(operation)];
            if (answers.isEmpty())
                m_operations.append(operation);
            answers.append({ session.day, judged.right, judged.seconds });
            m_largestMinuend = std::max(m_largestMinuend, judged.minuend);
            if (!judged.right)
                continue;
            rightSeconds.append(judged.seconds);
            const Family family = practisedAs(operation);
            if (family == Family::WithinTen || family == Family::TakeAwaySmall)
                easySeconds.append(judged.seconds);
        }
    }
    const QList<int> &basis = easySeconds.size() >= EasyAnswersEnough ? easySeconds : rightSeconds;
    if (!basis.isEmpty())
        m_fluentSeconds = FluentFactor * std::max(1, Analysis::medianSeconds(basis));
}

int History::key(const Operation &operation)
{
    return (operation.minuend * 1000 + operation.subtrahend) * 4 + operation.askedTerm;
}

QList<Answer> History::answers(const Operation &operation) const
{
    return m_answers.value(key(operation));
}

bool History::isHard(const Operation &operation) const
{
    const QList<Answer> asked = answers(operation);
    const bool everRight = std::any_of(
        asked.cbegin(), asked.cend(), [](const Answer &answer) { return answer.right; });
    return !everRight || !asked.last().right;
}

QDate History::dueOn(const Operation &operation) const
{
    QDate due;
    QDate last; // the day of the miss or of the right answer that set `due`
    int step = 0;
    for (const Answer &answer : answers(operation)) {
        if (!answer.right) {
            step = 0;
            last = answer.day;
            due = answer.day.addDays(RepeatIntervals[0]);
        } else if (due.isValid() && answer.day > last) {
            last = answer.day;
            due = ++step < int(std::size(RepeatIntervals))
                ? answer.day.addDays(RepeatIntervals[step])
                : QDate();
        }
    }
    return due;
}

} // namespace Practice
