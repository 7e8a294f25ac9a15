// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ErrorRules.h"

#include "core/SessionRecord.h"

#include <cstdlib>

namespace Analysis {

namespace {

    // Explains a wrong answer by a procedure, in the order the rules are tried: the answer
    // both borrow errors give first, then each procedure; digits reversed come last, as no
    // reversal is one or ten away from the right value.
    constexpr Error ProcedureOrder[] = { Error::BorrowMixed, Error::SmallerFromLarger,
        Error::BorrowNotTaken, Error::AddsInstead, Error::SubtractsInstead, Error::ForgetsCarry,
        Error::CopiesNumber };

    bool isReversed(int right, int answer)
    {
        const int tens = right / 10;
        const int units = right % 10;
        return right >= 10 && right <= 99 && tens != units && answer == 10 * units + tens;
    }

} // namespace

Kind kindOf(int minuend, int subtrahend)
{
    if (minuend <= 10)
        return Kind::WithinTen;
    return hasUnitsBorrow(minuend, subtrahend) ? Kind::WithBorrow : Kind::WithoutBorrow;
}

bool hasUnitsBorrow(int minuend, int subtrahend)
{
    return minuend % 10 < subtrahend % 10;
}

int rightValue(int minuend, int subtrahend, int askedTerm)
{
    switch (askedTerm) {
    case AskedMinuend:
        return minuend;
    case AskedSubtrahend:
        return subtrahend;
    default:
        return minuend - subtrahend;
    }
}

ProcedureAnswers procedureAnswers(Error error, int minuend, int subtrahend, int askedTerm)
{
    ProcedureAnswers answers;
    const int difference = minuend - subtrahend;
    const bool borrow = askedTerm == AskedDifference && hasUnitsBorrow(minuend, subtrahend);
    const int smallerFromLarger =
        10 * (minuend / 10 - subtrahend / 10) + (subtrahend % 10 - minuend % 10);
    const int borrowNotTaken = difference + 10;
    switch (error) {
    case Error::SmallerFromLarger:
        if (borrow)
            answers.add(smallerFromLarger);
        break;
    case Error::BorrowNotTaken:
        if (borrow)
            answers.add(borrowNotTaken);
        break;
    case Error::BorrowMixed:
        if (borrow && smallerFromLarger == borrowNotTaken)
            answers.add(smallerFromLarger);
        break;
    case Error::AddsInstead:
        if (askedTerm == AskedDifference)
            answers.add(minuend + subtrahend);
        else if (askedTerm == AskedSubtrahend)
            answers.add(minuend + difference);
        break;
    case Error::SubtractsInstead:
        if (askedTerm == AskedMinuend)
            answers.add(std::abs(difference - subtrahend));
        break;
    case Error::ForgetsCarry:
        if (askedTerm == AskedMinuend && difference % 10 + subtrahend % 10 >= 10)
            answers.add(minuend - 10);
        break;
    case Error::CopiesNumber:
        // The number beside the "=" first, then the other one on show.
        if (askedTerm == AskedMinuend || askedTerm == AskedSubtrahend) {
            answers.add(difference);
            answers.add(askedTerm == AskedMinuend ? subtrahend : minuend);
        }
        break;
    case Error::ReversedDigits: {
        const int right = rightValue(minuend, subtrahend, askedTerm);
        if (isReversed(right, 10 * (right % 10) + right / 10))
            answers.add(10 * (right % 10) + right / 10);
        break;
    }
    default:
        break;
    }
    return answers;
}

bool isProcedure(Error error)
{
    return error != Error::None && error != Error::OffByOne && error != Error::OffByTen
        && error != Error::Other;
}

Error errorOf(int minuend, int subtrahend, int askedTerm, int answer)
{
    const int right = rightValue(minuend, subtrahend, askedTerm);
    if (answer == right)
        return Error::None;
    for (const Error error : ProcedureOrder) {
        if (procedureAnswers(error, minuend, subtrahend, askedTerm).contains(answer))
            return error;
    }
    const int distance = std::abs(answer - right);
    if (distance == 1)
        return Error::OffByOne;
    if (distance == 10)
        return Error::OffByTen;
    if (isReversed(right, answer))
        return Error::ReversedDigits;
    return Error::Other;
}

Judgement judge(const JudgedOperation &operation)
{
    Judgement result;
    result.kind = kindOf(operation.minuend, operation.subtrahend);
    if (operation.right)
        return result;
    bool isNumber = false;
    const int answer = operation.answer.toInt(&isNumber);
    result.error = isNumber
        ? errorOf(operation.minuend, operation.subtrahend, operation.askedTerm, answer)
        : Error::Other;
    if (result.error == Error::None)
        result.error = Error::Other;
    return result;
}

QString errorName(Error error)
{
    switch (error) {
    case Error::None:
        return QString();
    case Error::SmallerFromLarger:
        return QStringLiteral("Toglie la cifra più piccola dalla più grande");
    case Error::BorrowNotTaken:
        return QStringLiteral("Dimentica di togliere il prestito alle decine");
    case Error::BorrowMixed:
        return QStringLiteral("Errore nel prestito");
    case Error::AddsInstead:
        return QStringLiteral("Addiziona invece di sottrarre");
    case Error::SubtractsInstead:
        return QStringLiteral("Sottrae invece di addizionare");
    case Error::ForgetsCarry:
        return QStringLiteral("Dimentica il riporto");
    case Error::CopiesNumber:
        return QStringLiteral("Ricopia un numero");
    case Error::OffByOne:
        return QStringLiteral("Sbaglia di uno");
    case Error::OffByTen:
        return QStringLiteral("Sbaglia le decine");
    case Error::ReversedDigits:
        return QStringLiteral("Inverte le cifre");
    case Error::Other:
        return QStringLiteral("Altri errori");
    }
    return QString();
}

} // namespace Analysis
