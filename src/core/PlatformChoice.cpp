// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PlatformChoice.h"

QByteArray preferredPlatform(
    const QByteArray &chosen, const QByteArray &xDisplay, const QByteArray &waylandDisplay)
{
    if (!chosen.isEmpty() || xDisplay.isEmpty() || waylandDisplay.isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}
