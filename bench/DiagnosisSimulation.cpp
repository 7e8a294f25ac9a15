// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "DiagnosisSimulation.h"

#include "core/ErrorSummary.h"
#include "core/OperationDisplay.h"
#include "core/OperationGenerator.h"
#include "core/RandomSource.h"

#include <cmath>

namespace DiagnosisSimulation {

using Analysis::Error;

namespace {

    int below(RandomSource &random, int count)
    {
        return static_cast<int>(std::floor(random.next() * count));
    }

    int oneDigitChanged(int right, RandomSource &random)
    {
        QString digits = QString::number(right);
        const int place = below(random, int(digits.size()));
        const int old = digits[place].digitValue();
        // A leading digit never becomes 0: that would be a shorter number, not a changed digit.
        const int lowest = place == 0 && digits.size() > 1 ? 1 : 0;
        int digit = old;
        while (digit == old)
            digit = lowest + below(random, 10 - lowest);
        digits[place] = QChar(u'0' + digit);
        return digits.toInt();
    }

} // namespace

const QList<Error> &procedures()
{
    static const QList<Error> list { Error::SmallerFromLarger, Error::BorrowNotTaken,
        Error::AddsInstead, Error::SubtractsInstead, Error::ForgetsCarry, Error::CopiesNumber,
        Error::ReversedDigits };
    return list;
}

int slip(int right, RandomSource &random)
{
    const bool up = random.next() < 0.5;
    switch (below(random, 3)) {
    case 0:
        return up || right == 0 ? right + 1 : right - 1;
    case 1:
        return up || right < 10 ? right + 10 : right - 10;
    default:
        return oneDigitChanged(right, random);
    }
}

Session play(Error procedure, int rangeLevel, int askedLow, int askedHigh, std::uint64_t seed)
{
    SessionRecord record;
    record.RangeLevel = rangeLevel;
    MixingRandomSource generator(seed);
    MixingRandomSource pupil(~seed);
    // The clock the generator is seeded from moves on a few seconds per reading, as a pupil's.
    float clock = 30000.0f + float(seed % 20000);
    const auto timeOfDay = [&] { return clock += 2.0f + float(pupil.next() * 8.0); };

    Session session;
    for (int index = 0; index < SessionRecord::OperationsPerSession; ++index) {
        Exercise::livello(record, generator, timeOfDay);
        JudgedOperation operation;
        operation.judged = true;
        operation.minuend = record.Difference + record.Subtrahend;
        operation.subtrahend = record.Subtrahend;
        operation.askedTerm = Exercise::drawAskedTerm(askedLow, askedHigh, generator);
        const int right =
            Analysis::rightValue(operation.minuend, operation.subtrahend, operation.askedTerm);
        const Analysis::ProcedureAnswers wrong = Analysis::procedureAnswers(
            procedure, operation.minuend, operation.subtrahend, operation.askedTerm);
        int answer = right;
        if (pupil.next() < SlipRate) {
            answer = slip(right, pupil);
        } else if (!wrong.isEmpty() && wrong.first() != right) {
            answer = wrong.first();
            ++session.touched;
        }
        operation.answer = QString::number(answer);
        operation.right = answer == right;
        operation.seconds = 5;
        session.operations.append(operation);
    }
    return session;
}

Tally run(Error procedure, int rangeLevel, int askedLow, int askedHigh, int sessions,
    std::uint64_t firstSeed)
{
    Tally tally;
    for (int index = 0; index < sessions; ++index) {
        const Session session =
            play(procedure, rangeLevel, askedLow, askedHigh, firstSeed + std::uint64_t(index));
        const Analysis::Summary summary = Analysis::summarise(session.operations);
        bool named = false;
        for (const Analysis::ErrorTally &recurring : summary.recurring) {
            ++tally.named[static_cast<std::size_t>(recurring.error)];
            named = named || recurring.error == procedure;
        }
        ++tally.sessions;
        if (summary.recurring.isEmpty())
            ++tally.noProcedureNamed;
        if (session.touched >= TouchedEnough) {
            ++tally.touchedEnough;
            if (named)
                ++tally.namedWhenTouched;
        }
    }
    return tally;
}

} // namespace DiagnosisSimulation
