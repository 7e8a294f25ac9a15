// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/Hypothesis.h"

#include "core/ErrorSummary.h"

#include <QMap>

namespace Hypothesis {

namespace {

    constexpr int LeastOperations = 5;
    constexpr int LeastPercentRight = 80;

    bool recursIn(Analysis::Error label, const QList<JudgedOperation> &operations)
    {
        for (const Analysis::ErrorTally &tally : Analysis::summarise(operations).recurring) {
            if (tally.error == label)
                return true;
        }
        return false;
    }

    bool overcomes(Analysis::Error label, const QList<JudgedOperation> &operations)
    {
        int scope = 0;
        int right = 0;
        for (const JudgedOperation &operation : operations) {
            if (!Analysis::couldApply(label, operation))
                continue;
            ++scope;
            if (operation.right)
                ++right;
            else if (Analysis::judge(operation).error == label)
                return false;
        }
        return scope >= LeastOperations && 100 * right >= LeastPercentRight * scope;
    }

} // namespace

Status status(Analysis::Error label, const QList<DatedSession> &sessions)
{
    // Each day's sessions apart, and all of them together.
    QMap<QDate, QList<QList<JudgedOperation>>> days;
    for (const DatedSession &session : sessions)
        days[session.day].append(session.operations);

    Status result;
    int recurringDays = 0;
    for (auto day = days.cbegin(); day != days.cend(); ++day) {
        bool recurred = false;
        QList<JudgedOperation> together;
        for (const QList<JudgedOperation> &operations : day.value()) {
            recurred = recurred || recursIn(label, operations);
            together += operations;
        }
        if (recurred) {
            if (recurringDays++ == 0)
                result.firstSeen = day.key();
            result.state = recurringDays >= 2 ? State::Confirmed : State::Probable;
        } else if (result.state != State::None && overcomes(label, together)) {
            result.state = State::Overcome;
        }
    }
    return result;
}

QList<Found> found(const QList<DatedSession> &sessions)
{
    QList<Found> result;
    for (int value = 0; value < Analysis::ErrorCount; ++value) {
        const auto label = static_cast<Analysis::Error>(value);
        if (!Analysis::isProcedure(label))
            continue;
        const Status labelStatus = status(label, sessions);
        if (labelStatus.state != State::None)
            result.append({ label, labelStatus });
    }
    return result;
}

QList<Found> stillOpen(const QList<DatedSession> &sessions)
{
    QList<Found> result = found(sessions);
    result.removeIf([](const Found &one) { return one.status.state == State::Overcome; });
    return result;
}

QString stateWord(State state)
{
    switch (state) {
    case State::Probable:
        return QStringLiteral("probabile");
    case State::Confirmed:
        return QStringLiteral("confermato");
    case State::Overcome:
        return QStringLiteral("superato");
    case State::None:
        break;
    }
    return QString();
}

QString note(const Status &status, const QDate &today)
{
    if (status.state == State::None)
        return QString();
    if (status.firstSeen < today)
        return QStringLiteral("già visto il %1: %2")
            .arg(status.firstSeen.toString(QStringLiteral("d/M")), stateWord(status.state));
    return stateWord(status.state);
}

} // namespace Hypothesis
