// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>
#include <QStringList>

// The record lines are laid out for a fixed-pitch face with Courier's metrics, so the report
// and its printout both take the first Courier name that the printer offers.
namespace ReportFont {

inline QString courier()
{
    return QStringLiteral("Courier");
}
inline QString courierNew()
{
    return QStringLiteral("Courier New");
}

// The first of "Courier" or "Courier New" in the printer's own order, matched exactly (a name
// differing only in case is another font); empty when neither is there.
QString findCourier(const QStringList &printerFonts);

QString missingFontMessage();

struct CellFont
{
    QString family;
    double points = 0;
    bool bold = false;
};

// The face of a filled record cell for the Courier name found; the cells' design face for
// an empty name.
CellFont cellFont(const QString &found);

} // namespace ReportFont
