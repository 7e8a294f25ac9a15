// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// The program's own folder, other programs started from it, and the end of this one.
class Launcher
{
public:
    virtual ~Launcher() = default;

    // The folder that holds the program (and its sound and information program).
    virtual QString programFolder() = 0;
    // Starts another program by absolute path without waiting; false when it cannot start.
    virtual bool startProgram(const QString &absolutePath) = 0;
    // Ends the whole program at once, without asking any screen.
    virtual void endProgram() = 0;
};
