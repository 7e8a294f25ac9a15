// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/Hypothesis.h"

#include "core/ErrorSummary.h"

#include <QMap>

#include <array>

namespace Hypothesis {

namespace {

    constexpr int LeastOperations = 5;
    constexpr int LeastPercentRight = 80;

    QList<DatedTallies> tallied(const QList<DatedSession> &sessions)
    {
        QList<DatedTallies> result;
        result.reserve(sessions.size());
        for (const DatedSession &session : sessions)
            result.append({ session.day, talliesOf(session.operations) });
        return result;
    }

} // namespace

QList<Tally> talliesOf(const QList<JudgedOperation> &operations)
{
    std::array<Tally, Analysis::ErrorCount> all {};
    for (const Analysis::ErrorTally &tally : Analysis::summarise(operations).recurring)
        all[static_cast<std::size_t>(tally.error)].recurs = true;
    for (const JudgedOperation &operation : operations) {
        const Analysis::Error error =
            operation.right ? Analysis::Error::None : Analysis::judge(operation).error;
        for (int value = 0; value < Analysis::ErrorCount; ++value) {
            const auto label = static_cast<Analysis::Error>(value);
            if (!Analysis::isProcedure(label) || !Analysis::couldApply(label, operation))
                continue;
            Tally &tally = all[static_cast<std::size_t>(value)];
            ++tally.scope;
            if (operation.right)
                ++tally.right;
            else if (error == label)
                tally.marked = true;
        }
    }
    QList<Tally> result;
    for (int value = 0; value < Analysis::ErrorCount; ++value) {
        Tally tally = all[static_cast<std::size_t>(value)];
        tally.label = static_cast<Analysis::Error>(value);
        if (tally.recurs || tally.scope > 0)
            result.append(tally);
    }
    return result;
}

Status status(Analysis::Error label, const QList<DatedTallies> &sessions)
{
    // Each day's sessions together: recurring in one of them, overcome by all of them.
    struct Day
    {
        bool recurred = false;
        int scope = 0;
        int right = 0;
        bool marked = false;
    };
    QMap<QDate, Day> days;
    for (const DatedTallies &session : sessions) {
        Day &day = days[session.day];
        for (const Tally &tally : session.tallies) {
            if (tally.label != label)
                continue;
            day.recurred = day.recurred || tally.recurs;
            day.scope += tally.scope;
            day.right += tally.right;
            day.marked = day.marked || tally.marked;
        }
    }

    Status result;
    int recurringDays = 0;
    for (auto day = days.cbegin(); day != days.cend(); ++day) {
        const Day &facts = day.value();
        if (facts.recurred) {
            if (recurringDays++ == 0)
                result.firstSeen = day.key();
            result.state = recurringDays >= 2 ? State::Confirmed : State::Probable;
        } else if (result.state != State::None && !facts.marked && facts.scope >= LeastOperations
            && 100 * facts.right >= LeastPercentRight * facts.scope) {
            result.state = State::Overcome;
        }
    }
    return result;
}

Status status(Analysis::Error label, const QList<DatedSession> &sessions)
{
    return status(label, tallied(sessions));
}

QList<Found> found(const QList<DatedTallies> &sessions)
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

QList<Found> found(const QList<DatedSession> &sessions)
{
    return found(tallied(sessions));
}

QList<Found> stillOpen(const QList<DatedTallies> &sessions)
{
    QList<Found> result = found(sessions);
    result.removeIf([](const Found &one) { return one.status.state == State::Overcome; });
    return result;
}

QList<Found> stillOpen(const QList<DatedSession> &sessions)
{
    return stillOpen(tallied(sessions));
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
