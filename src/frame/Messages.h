// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/MessageStyle.h"

#include <QString>

// The program's title, shown by a message box given no title of its own.
inline QString programTitle()
{
    return QStringLiteral("VOVORUDOROZ.1");
}

// Questions and messages for the pupil, and the beep that answers a wrong key.
class Messages
{
public:
    virtual ~Messages() = default;

    // Shows a message and waits for the button pressed. A carriage return in the text starts a
    // new line; an empty title shows the program's title. A screen reader reads spokenFirst,
    // what has just happened, before the text; the text on show is the same.
    virtual MsgAnswer messageBox(const QString &text, MessageStyle style,
        const QString &title = QString(), const QString &spokenFirst = QString()) = 0;
    virtual void beep() = 0;
};
