// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/SessionRecord.h"

#include <QString>

// A judged operation as the exercise screen keeps it: right when the typed text is the right
// value's digits.
JudgedOperation judgedOperation(
    int minuend, int subtrahend, int asked, const QString &answer, int seconds = 0);
