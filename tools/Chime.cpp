// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "Chime.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace chime {

namespace {

    struct Note
    {
        double frequency; // Hz
        double start; // s
        double length; // s
    };

    // C6, E6, G6: bright enough for small laptop speakers, gentle enough for a classroom.
    constexpr Note notes[] = {
        { 1046.50, 0.000, 0.16 },
        { 1318.51, 0.090, 0.16 },
        { 1567.98, 0.180, 0.26 },
    };
    constexpr double totalLength = 0.44;
    constexpr double attack = 0.006;
    constexpr double peak = 0.70; // about -3 dBFS: loud enough, never clipping

    // A few partials give the tone a small bell's colour; the upper ones fade faster.
    constexpr struct
    {
        double multiple;
        double level;
        double decayRate;
    } partials[] = {
        { 1.0, 1.00, 14.0 },
        { 2.0, 0.28, 24.0 },
        { 3.0, 0.10, 36.0 },
    };

    double noteSample(const Note &note, double t)
    {
        if (t < 0.0 || t >= note.length)
            return 0.0;
        // Raised-cosine attack and release keep both edges free of clicks.
        double envelope = 1.0;
        if (t < attack)
            envelope = 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
        const double release = note.length * 0.35;
        const double untilEnd = note.length - t;
        if (untilEnd < release)
            envelope *= 0.5 - 0.5 * std::cos(std::numbers::pi * untilEnd / release);

        double value = 0.0;
        for (const auto &partial : partials)
            value += partial.level * std::exp(-partial.decayRate * t)
                * std::sin(2.0 * std::numbers::pi * note.frequency * partial.multiple * t);
        return envelope * value;
    }

} // namespace

std::vector<double> render()
{
    const auto count = static_cast<std::size_t>(totalLength * sampleRate);
    std::vector<double> samples(count, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        for (const Note &note : notes)
            samples[i] += noteSample(note, t - note.start);
    }
    double loudest = 0.0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0.0)
        for (double &s : samples)
            s *= peak / loudest;
    return samples;
}

std::vector<std::int16_t> toPcm16(const std::vector<double> &samples)
{
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (double s : samples) {
        const double scaled = std::round(std::clamp(s, -1.0, 1.0) * 32767.0);
        pcm.push_back(static_cast<std::int16_t>(scaled));
    }
    return pcm;
}

namespace {

    void put(std::vector<std::uint8_t> &out, std::uint32_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
    }

    void put(std::vector<std::uint8_t> &out, const char (&tag)[5])
    {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<std::uint8_t>(tag[i]));
    }

} // namespace

std::vector<std::uint8_t> waveFile(const std::vector<std::int16_t> &pcm, int rate)
{
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bitsPerSample = 16;
    constexpr std::uint32_t blockAlign = channels * bitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * blockAlign);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    put(out, "RIFF");
    put(out, 36 + dataBytes, 4);
    put(out, "WAVE");
    put(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, channels, 2);
    put(out, static_cast<std::uint32_t>(rate), 4);
    put(out, static_cast<std::uint32_t>(rate) * blockAlign, 4);
    put(out, blockAlign, 2);
    put(out, bitsPerSample, 2);
    put(out, "data");
    put(out, dataBytes, 4);
    for (std::int16_t sample : pcm)
        put(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}

bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(
        reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace chime
