// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <cstdint>

// Uniform reals in [0, 1). Seeding from a clock reading mixes that reading into the state
// rather than restarting a sequence, so two seedings within one clock tick still lead to
// fresh numbers.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(double clockReading) = 0;
    virtual double next() = 0;
};

// The program's generator: xoshiro256** with a splitmix64 mixer for seeding.
class MixingRandomSource final : public RandomSource
{
public:
    explicit MixingRandomSource(std::uint64_t initial = 0x9E3779B97F4A7C15ull);
    void seed(double clockReading) override;
    double next() override;

private:
    std::uint64_t nextBits();
    std::uint64_t m_state[4];
};
