// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "analysis/ErrorRules.h"

#include "core/SessionRecord.h"

#include <cstdlib>
#include <optional>

namespace Analysis {

namespace {

    std::optional<Error> borrowError(int minuend, int subtrahend, int answer)
    {
        if (!hasUnitsBorrow(minuend, subtrahend))
            return std::nullopt;
        const int smallerFromLarger =
            10 * (minuend / 10 - subtrahend / 10) + (subtrahend % 10 - minuend % 10);
        const int borrowNotTaken = minuend - subtrahend + 10;
        if (answer == smallerFromLarger && answer == borrowNotTaken)
            return Error::BorrowMixed;
        if (answer == smallerFromLarger)
            return Error::SmallerFromLarger;
        if (answer == borrowNotTaken)
            return Error::BorrowNotTaken;
        return std::nullopt;
    }

    std::optional<Error> procedureError(int minuend, int subtrahend, int askedTerm, int answer)
    {
        const int difference = minuend - subtrahend;
        switch (askedTerm) {
        case AskedDifference:
            if (const auto borrow = borrowError(minuend, subtrahend, answer))
                return borrow;
            if (answer == minuend + subtrahend)
                return Error::AddsInstead;
            break;
        case AskedSubtrahend:
            if (answer == minuend + difference)
                return Error::AddsInstead;
            if (answer == difference || answer == minuend)
                return Error::CopiesNumber;
            break;
        case AskedMinuend:
            if (answer == std::abs(difference - subtrahend))
                return Error::SubtractsInstead;
            if (difference % 10 + subtrahend % 10 >= 10 && answer == minuend - 10)
                return Error::ForgetsCarry;
            if (answer == difference || answer == subtrahend)
                return Error::CopiesNumber;
            break;
        default:
            break;
        }
        return std::nullopt;
    }

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

Error errorOf(int minuend, int subtrahend, int askedTerm, int answer)
{
    const int right = rightValue(minuend, subtrahend, askedTerm);
    if (answer == right)
        return Error::None;
    if (const auto procedure = procedureError(minuend, subtrahend, askedTerm, answer))
        return *procedure;
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
