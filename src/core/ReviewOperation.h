// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QList>

namespace Review {

// One question of the review: the two drawn numbers and the term the answer box hides
// (1 difference, 2 minuend, 3 subtrahend). The minuend is their sum.
struct Operation
{
    int difference = 0;
    int subtrahend = 0;
    int askedTerm = 1;

    friend bool operator==(const Operation &, const Operation &) = default;
};

// What a review starts from: the operations missed, in the order they were missed, and those
// answered right; the range level and hidden-term bounds draw known operations when the pupil
// has too few of them.
struct Input
{
    QList<Operation> missed;
    QList<Operation> known;
    int rangeLevel = 1;
    int askedTermLow = 1;
    int askedTermHigh = 1;
};

} // namespace Review
