// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ErrorRules.h"

#include <QList>

// The operations that tell a wrong procedure apart: the pupil who follows it gets them wrong,
// with an answer that no other procedure gives, so the answer alone says whether the pupil
// still follows it. The practice sheet and today's practice both draw them.
namespace Analysis {

// The procedures named on the key for a diagnosed label: the two borrow errors for the
// answer both give, the label itself otherwise.
QList<Error> keyProcedures(Error error);
// Whether every key procedure answers this operation wrongly, each with its own answer, and
// with one no other procedure gives.
bool discriminates(Error error, int minuend, int subtrahend, int askedTerm);

} // namespace Analysis
