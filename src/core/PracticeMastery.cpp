// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PracticeMastery.h"

#include "core/PracticeHistory.h"

#include <QMap>
#include <QSet>

namespace Practice {

namespace {

    struct Day
    {
        int answers = 0;
        int right = 0;
    };

} // namespace

Mastery mastery(Family family, const History &history)
{
    QMap<QDate, Day> days;
    QMap<QDate, QSet<int>> fluentOnDay;
    for (qsizetype index = 0; index < history.operations().size(); ++index) {
        const Operation &operation = history.operations()[index];
        if (practisedAs(operation) != family)
            continue;
        for (const Answer &answer : history.answers(operation)) {
            Day &day = days[answer.day];
            ++day.answers;
            day.right += answer.right ? 1 : 0;
            if (history.isFluent(answer))
                fluentOnDay[answer.day].insert(int(index));
        }
    }
    Mastery result;
    int qualifyingDays = 0;
    for (auto day = days.begin(); day != days.end(); ++day) {
        if (result.state == Mastery::State::Learned) {
            if (day->right < day->answers) {
                result = { Mastery::State::Training, QDate() };
                qualifyingDays = 0;
            }
            continue;
        }
        if (day->right > 0)
            result.state = Mastery::State::Training;
        if (fluentOnDay.value(day.key()).size() >= LearnedOperations
            && 100 * day->right >= LearnedPercent * day->answers && ++qualifyingDays >= LearnedDays)
            result = { Mastery::State::Learned, day.key() };
    }
    return result;
}

QString masteryText(const Mastery &mastery)
{
    switch (mastery.state) {
    case Mastery::State::ToStart:
        return QStringLiteral("da iniziare");
    case Mastery::State::Training:
        return QStringLiteral("in allenamento");
    case Mastery::State::Learned:
        break;
    }
    return QStringLiteral("imparata il ") + mastery.learnedOn.toString(QStringLiteral("dd/MM"));
}

} // namespace Practice
