// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QList>
#include <QString>

// The families of subtraction strategies a pupil learns one after another, and which family an
// operation is practised as.
//
// Four broad families share out the operations by size and borrow: up to 10; a one-digit
// subtrahend across a ten; above 10 without a borrow; a two-digit subtrahend with a borrow.
// Two narrow ones teach a shortcut that cuts across them (counting back 1, 2 or 10; from or to a
// whole ten), and the hidden term changes the task itself. An operation belongs to every family
// whose rule it meets and is practised as one: the hidden term when a term is hidden, else the
// first narrow family that fits, else its broad family — the shortcut is what it teaches.
//
// The program's generator draws minuends up to 99 and one- or two-digit subtrahends, so three
// digits with a borrow across a zero (403 - 127) can never be asked and has no family; taking
// away 1 or 2 is drawn only with minuends up to 19.
namespace Practice {

// In teaching order.
enum class Family {
    WithinTen, // 7 - 3
    TakeAwaySmall, // 15 - 1, 8 - 2, 34 - 10
    WholeTen, // 10 - 4, 40 - 7, 47 - 7
    BridgingTen, // 13 - 5, 23 - 5
    NoBorrow, // 37 - 12, 15 - 3
    WithBorrow, // 53 - 17
    HiddenTerm, // ? - 17 = 36, 53 - ? = 36
};
constexpr int FamilyCount = 7;

struct Operation
{
    int minuend = 0;
    int subtrahend = 0;
    int askedTerm = 1; // 1 difference, 2 minuend, 3 subtrahend
    friend bool operator==(const Operation &, const Operation &) = default;
};

// Every family, in teaching order.
const QList<Family> &families();
// The family's name for the pupil: "Entro il 10", "Togliere 1, 2 o 10", ...
QString familyName(Family family);
bool belongs(Family family, const Operation &operation);
Family practisedAs(const Operation &operation);

// The largest minuend of each range level's rule that draws more than the one before, low to
// high: the sizes a plan's numbers step through (9, 19, 20, 40, 90, 99).
const QList<int> &minuendCeilings();
// The highest minuend a range level 1..6 draws.
int ceilingOfLevel(int rangeLevel);
// Every operation some range level can draw with a minuend up to the ceiling, practised as the
// family, each once: the hidden term with the minuend and with the subtrahend hidden, the
// others with the difference asked.
QList<Operation> drawable(Family family, int ceiling);

} // namespace Practice
