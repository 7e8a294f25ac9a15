// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ReviewOperation.h"

#include <QList>

class RandomSource;

namespace Review {

// The order of a review by incremental rehearsal. Each missed operation M is asked, asked again
// after one known operation K, and again after two: M K M K K M, one missed operation after the
// other in the order they were missed (at most the ten most recent, each once). Every K is drawn
// from the operations answered right, or from the range's generator when there are fewer than
// three of them, never the same one twice running. A missed operation answered wrong is asked once more at the end, and again
// while it still has fewer than two right answers. The review ends when nothing is left to
// ask, or after forty questions.
class Sequence
{
public:
    static constexpr int MostMissed = 10;
    static constexpr int MostQuestions = 40;
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
        bool extra = false; // asked at the end, after a wrong answer
    };
    struct Progress
    {
        int right = 0;
        bool lastRight = false;
        bool extraGiven = false;
    };

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
