// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The right-answer chime: three rising notes of a major chord, each a soft bell tone that
// starts without a click and dies away, the last one ringing a little longer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace chime {

constexpr int sampleRate = 44100;

// Mono samples of the whole chime, in -1..1, silent at both ends.
std::vector<double> render();

// 16-bit PCM, rounded and clamped to the sample range.
std::vector<std::int16_t> toPcm16(const std::vector<double> &samples);

// A complete RIFF/WAVE file image of mono 16-bit PCM.
std::vector<std::uint8_t> waveFile(const std::vector<std::int16_t> &pcm, int rate);

bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes);

} // namespace chime
