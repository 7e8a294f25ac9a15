// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// The program's own voice, for a pupil whose plan asks for the texts read aloud.
class Speech
{
public:
    virtual ~Speech() = default;

    // Says the text in Italian, cutting short what was still being said, and returns at once.
    // Silent while a screen reader runs, so that nothing is heard twice, and where no voice is
    // installed.
    virtual void say(const QString &text) = 0;
};
