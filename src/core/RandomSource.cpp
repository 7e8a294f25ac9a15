// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/RandomSource.h"

#include <bit>
#include <cstring>

namespace {

std::uint64_t splitMix(std::uint64_t &x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

MixingRandomSource::MixingRandomSource(std::uint64_t initial)
{
    for (auto &word : m_state)
        word = splitMix(initial);
}

void MixingRandomSource::seed(double clockReading)
{
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof clockReading);
    std::memcpy(&bits, &clockReading, sizeof bits);
    // Fold the reading into the running state: the same reading twice still moves on.
    std::uint64_t mixer = bits ^ nextBits();
    for (auto &word : m_state)
        word ^= splitMix(mixer);
    if (!(m_state[0] | m_state[1] | m_state[2] | m_state[3]))
        m_state[0] = 1;
}

double MixingRandomSource::next()
{
    // 53 random bits over 2^53: never reaches 1.0.
    return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
}

std::uint64_t MixingRandomSource::nextBits()
{
    const std::uint64_t result = std::rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = std::rotl(m_state[3], 45);
    return result;
}
