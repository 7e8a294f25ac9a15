// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "report/ReportFont.h"

namespace ReportFont {

QString findCourier(const QStringList &printerFonts)
{
    for (const QString &name : printerFonts) {
        if (name == courier() || name == courierNew())
            return name;
    }
    return QString();
}

QString missingFontMessage()
{
    return QStringLiteral("Devi installare il font Courier o il font Courier New");
}

CellFont cellFont(const QString &found)
{
    if (found == courierNew())
        return CellFont { courierNew(), 9, true };
    if (found == courier())
        return CellFont { courier(), 10, false };
    return CellFont { courier(), 9.75, false };
}

} // namespace ReportFont
