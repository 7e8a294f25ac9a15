// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// The sounds the screens play.
class Sound
{
public:
    virtual ~Sound() = default;

    // Loads the sound system ahead of the first sound, so that it plays without delay.
    virtual void prepareSound() = 0;
    // Plays a WAV file and returns at once; failures are ignored.
    virtual void playSound(const QString &path) = 0;
};
