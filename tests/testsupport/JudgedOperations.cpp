// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "JudgedOperations.h"

#include "core/ErrorRules.h"

JudgedOperation judgedOperation(
    int minuend, int subtrahend, int asked, const QString &answer, int seconds)
{
    JudgedOperation operation;
    operation.judged = true;
    operation.minuend = minuend;
    operation.subtrahend = subtrahend;
    operation.askedTerm = asked;
    operation.answer = answer;
    operation.right = answer == QString::number(Analysis::rightValue(minuend, subtrahend, asked));
    operation.seconds = seconds;
    return operation;
}
