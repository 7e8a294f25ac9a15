// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilRegister.h"

#include <QString>
#include <optional>

struct JudgedOperation;

// The codes the drill and the register share, each with its one table of names: the term the
// answer box hides and the mode chosen on the start screen. Their values are the codes the
// register stores.

// The hidden term of a subtraction.
enum class Term { Difference = 1, Minuend = 2, Subtrahend = 3 };

constexpr int codeOf(Term term)
{
    return static_cast<int>(term);
}
// The term of a stored code; nothing for any other code.
std::optional<Term> termOf(int code);
// "differenza", "minuendo", "sottraendo"
QString termName(Term term);
// What the answer box asks for: "Scrivi la differenza"
QString termTask(Term term);

// The three modes of the start screen's list, by the range of hidden terms they ask.
enum class Mode {
    Difference = 1, // the difference only
    MinuendOrSubtrahend = 2,
    AnyTerm = 3,
};

constexpr int codeOf(Mode mode)
{
    return static_cast<int>(mode);
}
// The mode of a stored code, the first for any code outside the list.
Mode modeOf(int code);
// The mode asking from `askedTermLow` to `askedTermHigh`.
Mode modeAsking(int askedTermLow, int askedTermHigh);
// The mode's name in the start screen's list, "Calcolo del resto/differenza", wherever a mode is
// named.
QString modeName(Mode mode);

namespace Register {

// A stored answer as a judged operation, its seconds rounded down as the exercise timed them.
JudgedOperation judgedOperationOf(const Answer &answer);
// A judged operation as the register keeps it, numbered 1..40 in its session.
Answer storedAnswerOf(
    const JudgedOperation &operation, int number, double seconds, const QDateTime &at);

} // namespace Register
