// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ErrorRules.h"
#include "core/SessionRecord.h"

#include <QList>
#include <array>
#include <cstdint>

class RandomSource;

// Simulated pupils who play whole sessions drawn by the program's own generator, to measure
// how often the analysis names the wrong procedure a pupil really follows, and how often it
// blames a careful pupil's slips on a procedure.
namespace DiagnosisSimulation {

// Share of the answers that are slips, for every pupil.
constexpr double SlipRate = 0.1;
// A session counts for the target when its procedure answered at least this many operations.
constexpr int TouchedEnough = 6;

// The procedures a simulated pupil can follow, in the rules' order; the careful pupil follows
// none (Error::None).
const QList<Analysis::Error> &procedures();

// A wrong answer near the right one: one off, ten off, or one digit changed; never negative.
int slip(int right, RandomSource &random);

struct Session
{
    QList<JudgedOperation> operations;
    int touched = 0; // operations the procedure answered (wrongly)
};

// Forty operations of the range level, the hidden term drawn from askedLow..askedHigh as the
// exercise screen draws it. The pupil slips with SlipRate; otherwise he answers by the
// procedure where it applies and gives a wrong value, and right elsewhere.
Session play(
    Analysis::Error procedure, int rangeLevel, int askedLow, int askedHigh, std::uint64_t seed);

// What the analysis made of many sessions of one pupil.
struct Tally
{
    int sessions = 0;
    int touchedEnough = 0; // sessions where the procedure answered TouchedEnough operations
    int namedWhenTouched = 0; // of them, sessions where the analysis named it as recurring
    int noProcedureNamed = 0; // sessions without any recurring procedure
    std::array<int, Analysis::ErrorCount> named {}; // sessions naming each label as recurring
};

Tally run(Analysis::Error procedure, int rangeLevel, int askedLow, int askedHigh, int sessions,
    std::uint64_t firstSeed);

} // namespace DiagnosisSimulation
