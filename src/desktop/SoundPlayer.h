// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// Plays WAV files without waiting for them. The Qt Multimedia player lives in a module of its
// own that the program loads on first need, so the sound system never delays the start.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &path) = 0;
};

// The module's one entry point, looked up by this name: it returns a new object.
inline constexpr char CreateSoundPlayerSymbol[] = "vovorudorozCreateSoundPlayer";
// The module's file name in the program folder, without the platform's prefix and suffix.
inline constexpr char SoundModuleName[] = "vovorudoroz_sound";
