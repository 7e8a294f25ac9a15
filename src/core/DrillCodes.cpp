// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/DrillCodes.h"

#include "core/SessionRecord.h"
#include "core/StartChoices.h"

#include <algorithm>
#include <array>

namespace {

struct TermEntry
{
    Term term;
    const char *name;
    const char *task;
};

constexpr std::array<TermEntry, 3> Terms { {
    { Term::Difference, "differenza", "Scrivi la differenza" },
    { Term::Minuend, "minuendo", "Scrivi il minuendo" },
    { Term::Subtrahend, "sottraendo", "Scrivi il sottraendo" },
} };

const TermEntry &entryOf(Term term)
{
    return Terms.at(static_cast<std::size_t>(codeOf(term) - 1));
}

} // namespace

std::optional<Term> termOf(int code)
{
    if (code < codeOf(Term::Difference) || code > codeOf(Term::Subtrahend))
        return std::nullopt;
    return static_cast<Term>(code);
}

QString termName(Term term)
{
    return QString::fromUtf8(entryOf(term).name);
}

QString termTask(Term term)
{
    return QString::fromUtf8(entryOf(term).task);
}

Mode modeOf(int code)
{
    return static_cast<Mode>(std::clamp(code, 1, StartChoices::ModeCount));
}

Mode modeAsking(int askedTermLow, int askedTermHigh)
{
    if (askedTermLow == codeOf(Term::Difference))
        return askedTermHigh == codeOf(Term::Difference) ? Mode::Difference : Mode::AnyTerm;
    return Mode::MinuendOrSubtrahend;
}

QString modeName(Mode mode)
{
    return StartChoices::modes().at(static_cast<std::size_t>(codeOf(mode) - 1)).listText;
}

namespace Register {

JudgedOperation judgedOperationOf(const Answer &answer)
{
    JudgedOperation operation;
    operation.judged = true;
    operation.minuend = answer.minuend;
    operation.subtrahend = answer.subtrahend;
    operation.askedTerm = answer.askedTerm;
    operation.answer = answer.typed;
    operation.right = answer.right;
    operation.seconds = static_cast<int>(answer.seconds);
    return operation;
}

Answer storedAnswerOf(
    const JudgedOperation &operation, int number, double seconds, const QDateTime &at)
{
    return { number, operation.minuend, operation.subtrahend, operation.askedTerm, 0,
        operation.answer, operation.right, seconds, at, QString() };
}

} // namespace Register
