// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/DrillCodes.h"

#include <QString>
#include <array>

struct JudgedOperation;

// How one judged operation is read for the teacher: which kind of subtraction it is and, for a
// wrong answer, the wrong procedure that explains it. Each wrong answer gets exactly one
// error, by the first rule that matches.
namespace Analysis {

enum class Kind {
    WithinTen, // minuend up to 10
    WithoutBorrow, // minuend above 10, units of the minuend not below the subtrahend's
    WithBorrow, // minuend above 10, units of the minuend below the subtrahend's
};
constexpr int KindCount = 3;

// In the order the rules are tried.
enum class Error {
    None, // a right answer
    SmallerFromLarger, // 53 - 17 -> 44
    BorrowNotTaken, // 53 - 17 -> 46
    BorrowMixed, // 52 - 17 -> 45: both borrow errors give the same answer
    AddsInstead, // the sum where a difference or a subtrahend is asked
    SubtractsInstead, // a difference where the minuend is asked
    ForgetsCarry, // the minuend without the ten carried from the units
    CopiesNumber, // one of the numbers on show copied into the box
    OffByOne,
    OffByTen,
    ReversedDigits, // 32 for 23
    Other,
};
constexpr int ErrorCount = 12;

struct Judgement
{
    Kind kind = Kind::WithinTen;
    Error error = Error::None;
};

constexpr int AskedDifference = codeOf(Term::Difference);
constexpr int AskedMinuend = codeOf(Term::Minuend);
constexpr int AskedSubtrahend = codeOf(Term::Subtrahend);

Kind kindOf(int minuend, int subtrahend);
// The units of the minuend are below the subtrahend's: a ten has to be borrowed.
bool hasUnitsBorrow(int minuend, int subtrahend);
// The answers a procedure gives for an operation, the one its pupil writes first: one value,
// or two for copying (either number on show); none where it does not apply.
struct ProcedureAnswers
{
    std::array<int, 2> values {};
    int count = 0;

    void add(int value) { values[count++] = value; }
    bool contains(int value) const
    {
        return (count > 0 && values[0] == value) || (count > 1 && values[1] == value);
    }
    bool isEmpty() const { return count == 0; }
    int first() const { return values[0]; }
};

// The value of the asked term.
int rightValue(int minuend, int subtrahend, int askedTerm);
// The error that explains `answer` given for the asked term; None when it is the right value.
Error errorOf(int minuend, int subtrahend, int askedTerm, int answer);
// What the procedure labelled `error` answers (the borrow errors only where the difference is
// asked and the units need a borrow, and so on); none for a slip or a right answer.
ProcedureAnswers procedureAnswers(Error error, int minuend, int subtrahend, int askedTerm);
// A wrong procedure, applied wherever it can be: every label but the slips (one off, ten off)
// and "Altri errori". Only a procedure can recur; slips are always isolated.
bool isProcedure(Error error);
// A typed answer that is not a number, or a number typed with a leading zero where the right
// value is meant ("08"), is judged wrong by the exercise but names no procedure: Other.
Judgement judge(const JudgedOperation &operation);

// "Toglie la cifra più piccola dalla più grande", ..., "Altri errori"; empty for None.
QString errorName(Error error);

} // namespace Analysis
