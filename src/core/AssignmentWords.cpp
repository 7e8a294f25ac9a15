// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/AssignmentWords.h"

#include "core/StartChoices.h"

#include <QStringList>

namespace Practice {

QString assignmentWords(const Assignment &assignment)
{
    QStringList names;
    for (const Family family : assignment.families)
        names.append(familyName(family));
    QString words = names.join(QStringLiteral(", "));
    if (assignment.rangeLevel >= 1 && assignment.rangeLevel <= StartChoices::RangeCount) {
        const StartChoices::Range &range = StartChoices::ranges()[assignment.rangeLevel - 1];
        words += QStringLiteral(" (numero max da %1 a %2)").arg(range.low).arg(range.high);
    }
    return words;
}

QString learnedWords(int learned)
{
    return QStringLiteral("%1 di %2").arg(learned).arg(FamilyCount);
}

} // namespace Practice
