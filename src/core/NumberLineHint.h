// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QList>
#include <QString>

namespace Exercise {

// What the number line shows for one operation: from 0 to the next ten above its numbers, the
// known numbers marked, and which way to count. It helps to count; it never shows the answer.
struct NumberLineHint
{
    int top = 10; // the line's last number
    QList<int> marked;
    QString hint; // "Parti da 43 e torna indietro di 17"
};

// The operation minuend - subtrahend = difference with its asked term's code hidden.
NumberLineHint numberLineHint(int minuend, int subtrahend, int askedTerm);

} // namespace Exercise
