// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/NumberText.h"

namespace NumberText {

QString strForm(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString plainForm(int value)
{
    return QString::number(value);
}

QString pad(int value)
{
    return value < 10 ? QStringLiteral(" ") : QString();
}

} // namespace NumberText
