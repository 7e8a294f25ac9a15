// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>
#include <optional>

class RandomSource;
struct SessionRecord;

// Turns the drawn numbers into the operation the pupil sees (the first half of visualizza):
// which term the answer box hides, what the two number labels show and where, the expected
// answer, and the 12-character question part of the operation's record line.
namespace Exercise {

namespace Place {
    constexpr int Left = 100; // the minuend's place
    constexpr int Middle = 4000; // the subtrahend's place
    constexpr int Right = 8000; // the difference's place
} // namespace Place

struct OperationView
{
    QString number1; // LblNumero1
    int number1Left = 0;
    QString number2; // LblNumero2
    int number2Left = 0;
    int answerLeft = 0; // TxtRisultato
    QString spoken; // the operation read as a whole, "15 meno 7 uguale quanto?"
    int expected = 0; // the value of the hidden term
    QString task; // what the answer box asks for, "Scrivi la differenza"
};

// What to show for an operation with the given hidden term (1 difference, 2 minuend,
// 3 subtrahend), or nothing for any other code.
std::optional<OperationView> operationView(int difference, int subtrahend, int askedTerm);

// A code from low to high, bounds included, each equally likely.
int drawAskedTerm(int low, int high, RandomSource &random);

// The question part for the current numbers and asked term ("15 -  7 =  ?"), or an empty text
// for an asked term outside 1..3.
QString questionPart(const SessionRecord &session);

// Draws AskedTerm from the session's bounds and, when it is 1..3, sets ExpectedAnswer and its
// text, writes the question part into OpRecords(OpCount) and returns what to show. For any other
// code nothing but AskedTerm changes and nothing is returned: the previous operation stays.
std::optional<OperationView> presentOperation(SessionRecord &session, RandomSource &random);
// The same for the AskedTerm already set.
std::optional<OperationView> presentAskedTerm(SessionRecord &session);

} // namespace Exercise
