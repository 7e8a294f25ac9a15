// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// Reads texts aloud through the desktop's speech service, unless a screen reader runs. Qt
// TextToSpeech and D-Bus live in a module of their own that the program loads on the first text,
// so a pupil who is not read to never loads them.
class SpeechVoice
{
public:
    virtual ~SpeechVoice() = default;
    virtual void say(const QString &text) = 0;
};

// The module's one entry point, looked up by this name: it returns a new object.
inline constexpr char CreateSpeechVoiceSymbol[] = "vovorudorozCreateSpeechVoice";
// The module's file name in the program folder, without the platform's prefix and suffix.
inline constexpr char SpeechModuleName[] = "vovorudoroz_speech";
