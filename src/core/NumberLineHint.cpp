// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/NumberLineHint.h"

#include "core/DrillCodes.h"

#include <algorithm>

namespace Exercise {

NumberLineHint numberLineHint(int minuend, int subtrahend, int askedTerm)
{
    const int difference = minuend - subtrahend;
    NumberLineHint line;
    line.top = std::max(10, (minuend + 9) / 10 * 10);
    switch (termOf(askedTerm).value_or(Term::Difference)) {
    case Term::Minuend: // ? - s = d: from the difference, count on by the subtrahend
        line.marked = { difference };
        line.hint =
            QStringLiteral("Parti da %1 e vai avanti di %2").arg(difference).arg(subtrahend);
        break;
    case Term::Subtrahend: // m - ? = d: count the steps between the two
        line.marked = { difference, minuend };
        line.hint = QStringLiteral("Conta i passi da %1 a %2").arg(difference).arg(minuend);
        break;
    case Term::Difference: // m - s = ?: from the minuend, count back by the subtrahend
        line.marked = { minuend };
        line.hint =
            QStringLiteral("Parti da %1 e torna indietro di %2").arg(minuend).arg(subtrahend);
        break;
    }
    return line;
}

} // namespace Exercise
