// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/FamilyCodes.h"

#include <QStringList>

namespace Practice {

namespace {

    // By family, in the order of Family.
    const char *const Codes[] = { "entro10", "togli", "decina", "passa", "senza", "prestito",
        "nascosto" };
    static_assert(std::size(Codes) == FamilyCount);

} // namespace

QString familyCode(Family family)
{
    return QLatin1String(Codes[static_cast<int>(family)]);
}

QString familyCodes(const QList<Family> &families)
{
    QStringList codes;
    for (const Family family : Practice::families())
        if (families.contains(family))
            codes.append(familyCode(family));
    return codes.join(QLatin1Char(' '));
}

QList<Family> familiesOfCodes(const QString &codes)
{
    const QStringList given = codes.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<Family> result;
    for (const Family family : families())
        if (given.contains(familyCode(family)))
            result.append(family);
    return result;
}

} // namespace Practice
