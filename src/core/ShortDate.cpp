// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ShortDate.h"

#include <QRegularExpression>

QString shortDateText(const QDate &date, const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return date.toString(QStringLiteral("dd/MM/yyyy"));
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // Widen a two-digit year ("yy" alone) to four digits.
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(shortYear, QStringLiteral("yyyy"));
    return locale.toString(date, format);
}
