// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ReviewOperation.h"

#include <QList>

class RandomSource;

namespace Review {

// The order of a review by incremental rehearsal. Each missed operation M is asked, asked again
// after one known operation K, and again after two: M K M K K M, one missed operation after the
// other in the order they were missed (the most recent, each once, as many as fit whole in the
// forty questions). Every K is drawn from the operations answered right, or from the range's
// generator when there are fewer than three of them, never the same one twice running. A missed
// operation answered wrong is asked once more at the end; after its second miss, with the right
// result shown, it is asked at most once more. The review ends when nothing is left to ask, or
// after forty questions.
class Sequence
{
public:
    static constexpr int MostQuestions = 40;
    static constexpr int AsksPerPlan = 6;
    // A review never stops halfway through an operation's plan.
    static constexpr int MostMissed = MostQuestions / AsksPerPlan;
    static constexpr int FewestKnown = 3;

    Sequence(const Input &input, RandomSource &random);

    bool isFinished() const;
    // The question on show; only while not finished.
    const Operation &current() const;
    // Judges the question on show and moves on.
    void answer(bool right);

    int asked() const { return m_asked; }
    // The missed operations under review, and how many of them were right when last asked.
    int reviewedCount() const { return static_cast<int>(m_missed.size()); }
    int nowRightCount() const;

private:
    struct Step
    {
        Operation operation;
        int missed = -1; // index into m_missed, -1 for a known operation
    };
    struct Progress
    {
        int wrong = 0;
        bool lastRight = false;
    };

    void keepOneMoreAsk(const Step &step);

    // A known operation other than the one just drawn.
    Operation drawKnown(const Input &input, RandomSource &random, const Operation &previous) const;
    Operation drawFromRange(const Input &input, RandomSource &random) const;

    QList<Operation> m_missed;
    QList<Operation> m_known;
    QList<Progress> m_progress;
    QList<Step> m_steps;
    int m_next = 0;
    int m_asked = 0;
};

} // namespace Review
