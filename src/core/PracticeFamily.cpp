// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PracticeFamily.h"

#include "core/ErrorRules.h"
#include "core/OperationGenerator.h"

#include <QSet>
#include <algorithm>
#include <array>

namespace Practice {

namespace {

    struct FamilyRow
    {
        Family family;
        const char *name;
        bool narrow; // a shortcut across the broad families
        bool (*fits)(int minuend, int subtrahend, int askedTerm);
    };

    bool aboveTen(int minuend)
    {
        return minuend > 10;
    }

    // The one table of the families, in teaching order.
    const FamilyRow Rows[] = {
        { Family::WithinTen, "Entro il 10", false, [](int m, int, int) { return m <= 10; } },
        { Family::TakeAwaySmall, "Togliere 1, 2 o 10", true,
            [](int m, int s, int) { return (s == 1 || s == 2 || s == 10) && s < m; } },
        { Family::WholeTen, "Dalla decina e alla decina", true,
            [](int m, int s, int) {
                const bool fromTen = m >= 10 && m % 10 == 0 && s > 0 && s < m;
                const bool toTen = s > 0 && m - s >= 10 && (m - s) % 10 == 0;
                return fromTen || toTen;
            } },
        { Family::BridgingTen, "Passare la decina", false,
            [](int m, int s, int) {
                return aboveTen(m) && s < 10 && Analysis::hasUnitsBorrow(m, s);
            } },
        { Family::NoBorrow, "Senza prestito", false,
            [](int m, int s, int) { return aboveTen(m) && !Analysis::hasUnitsBorrow(m, s); } },
        { Family::WithBorrow, "Con il prestito", false,
            [](int m, int s, int) {
                return aboveTen(m) && s >= 10 && Analysis::hasUnitsBorrow(m, s);
            } },
        { Family::HiddenTerm, "Il numero nascosto", false,
            [](int, int, int asked) { return asked != Analysis::AskedDifference; } },
    };
    static_assert(std::size(Rows) == FamilyCount);

    const FamilyRow &row(Family family)
    {
        return Rows[static_cast<int>(family)];
    }

} // namespace

const QList<Family> &families()
{
    static const QList<Family> list = [] {
        QList<Family> result;
        for (const FamilyRow &one : Rows)
            result.append(one.family);
        return result;
    }();
    return list;
}

QString familyName(Family family)
{
    return QString::fromUtf8(row(family).name);
}

bool belongs(Family family, const Operation &operation)
{
    return row(family).fits(operation.minuend, operation.subtrahend, operation.askedTerm);
}

Family practisedAs(const Operation &operation)
{
    if (belongs(Family::HiddenTerm, operation))
        return Family::HiddenTerm;
    for (const bool narrow : { true, false }) {
        for (const FamilyRow &one : Rows) {
            if (one.narrow == narrow && belongs(one.family, operation))
                return one.family;
        }
    }
    return Family::WithinTen; // not reached: the broad families cover every operation
}

const QList<int> &minuendCeilings()
{
    static const QList<int> list = [] {
        QList<int> result;
        for (int level = 1; level <= 6; ++level)
            result.append(ceilingOfLevel(level));
        std::sort(result.begin(), result.end());
        result.erase(std::unique(result.begin(), result.end()), result.end());
        return result;
    }();
    return list;
}

int ceilingOfLevel(int rangeLevel)
{
    const auto rule = Exercise::drawRule(rangeLevel);
    return rule ? rule->highestMinuend : 0;
}

QList<Operation> drawable(Family family, int ceiling)
{
    // Every family's operations up to the largest minuend, worked out once.
    static const auto everyOne = [] {
        std::array<QList<Operation>, FamilyCount> result;
        QSet<int> seen;
        for (int level = 1; level <= 6; ++level) {
            for (const Exercise::DrawnPair &pair : Exercise::drawablePairs(level)) {
                if (seen.contains(100 * pair.minuend + pair.subtrahend))
                    continue;
                seen.insert(100 * pair.minuend + pair.subtrahend);
                for (const int term : { Analysis::AskedDifference, Analysis::AskedMinuend,
                         Analysis::AskedSubtrahend }) {
                    const Operation operation { pair.minuend, pair.subtrahend, term };
                    result[int(practisedAs(operation))].append(operation);
                }
            }
        }
        return result;
    }();
    QList<Operation> result = everyOne[int(family)];
    result.removeIf([ceiling](const Operation &operation) { return operation.minuend > ceiling; });
    return result;
}

} // namespace Practice
