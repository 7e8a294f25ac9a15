// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// An operation written in column form, as primary school teaches it: two numbers one under the
// other, the sign on the left, a line, the result. A subtraction whose units need a ten shows
// the exchange (il cambio): the minuend's tens digit crossed out with one less above it and a
// small 1 before its units digit; an addition whose units pass ten shows the 1 carried over
// the tens.
namespace ColumnForm {

enum class Row { None = -1, Top, Bottom, Result };

struct Form
{
    bool addition = false; // "+" rather than "−"
    int top = 0;
    int bottom = 0;
    int result = 0;
    Row blank = Row::None; // the row left as empty boxes for the pupil to fill
    bool exchange = false; // a subtraction changing a ten into units
    bool carry = false; // an addition carrying a ten
    int columns = 1; // digit columns: the digits of the largest number
};

// The column form of the operation the pupil should do to find the asked term (1 difference,
// 2 minuend, 3 subtrahend) of minuend − subtrahend: the subtraction itself, the addition
// difference + subtrahend for a hidden minuend, minuend − difference for a hidden subtrahend.
// Every row is written.
Form worked(int minuend, int subtrahend, int askedTerm);

// The operation as the pupil sees it, in column form, with the asked term's row blank.
Form exercise(int minuend, int subtrahend, int askedTerm);

// The worked form in words, for a screen reader and for the teacher: "Cambio una decina in 10
// unità: 13 meno 7 fa 6. Restano 4 decine: 4 meno 1 fa 3. Il risultato è 36."
QString words(int minuend, int subtrahend, int askedTerm);

} // namespace ColumnForm
