// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QColor>

// Colour values as the screens store them: red + 256 x green + 65536 x blue.
namespace Colour {

inline QColor rgb(int red, int green, int blue)
{
    return QColor(red, green, blue);
}

inline int value(const QColor &colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

inline QColor fromValue(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace Colour
