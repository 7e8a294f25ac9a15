// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PracticeMap.h"

#include "core/PracticeHistory.h"

#include <QStringList>

namespace Practice {

QList<MapStep> mapOf(const QList<Hypothesis::DatedSession> &sessions)
{
    const History history(sessions);
    QList<MapStep> steps;
    for (const Family family : families()) {
        const Mastery reached = mastery(family, history);
        steps.append({ family, familyName(family), reached, masteryText(reached) });
    }
    return steps;
}

QString celebrationOfToday(const QList<MapStep> &steps, const QDate &today)
{
    QStringList learned;
    for (const MapStep &step : steps)
        if (step.mastery.state == Mastery::State::Learned && step.mastery.learnedOn == today)
            learned.append(QStringLiteral("«%1»").arg(step.name));
    if (learned.isEmpty())
        return {};
    const QString last = learned.takeLast();
    const QString all =
        learned.isEmpty() ? last : learned.join(QStringLiteral(", ")) + " e " + last;
    return QStringLiteral("Evviva! Oggi hai imparato %1!").arg(all);
}

} // namespace Practice
