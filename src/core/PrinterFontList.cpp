// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PrinterFontList.h"

#include <QRegularExpression>

bool isCourierCompatible(const QString &family)
{
    static const QStringList compatible { QStringLiteral("Liberation Mono"),
        QStringLiteral("Nimbus Mono PS"), QStringLiteral("Nimbus Mono L"),
        QStringLiteral("Cousine"), QStringLiteral("Courier New"), QStringLiteral("Courier") };
    return compatible.contains(family, Qt::CaseInsensitive);
}

QStringList printerFontList(const QStringList &installedFamilies,
    const std::function<QString(const QString &)> &resolvedFamily)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList result;
    for (QString family : installedFamilies) {
        family.remove(foundry);
        if (!family.isEmpty() && !result.contains(family))
            result.append(family);
    }
    for (const QString &name : { QStringLiteral("Courier New"), QStringLiteral("Courier") }) {
        // The face a name resolves to may carry a foundry suffix too ("Nimbus Mono PS [urw]").
        const QString face = resolvedFamily(name).remove(foundry);
        if (!result.contains(name) && isCourierCompatible(face))
            result.append(name);
    }
    return result;
}
