// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QByteArray>

// The Qt platform the program asks for before it starts, from the user's choice and the
// displays at hand (the values of QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY).
//
// The program centres its screens and keeps the background screen beneath the others, which
// a Wayland compositor does not let a client do. On a Wayland desktop that also runs an X
// server (Xwayland) it therefore asks for X11 first, with Wayland as the fallback. Empty when
// the choice stays Qt's: the user has chosen a platform, or there is no such pair of displays.
QByteArray preferredPlatform(
    const QByteArray &chosen, const QByteArray &xDisplay, const QByteArray &waylandDisplay);
