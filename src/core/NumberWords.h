// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// Numbers as an Italian voice says them, for the program's own reading aloud: a voice left to
// read "43" may say it digit by digit or in another language.
namespace NumberWords {

// 0..100 in words: "zero", "ventuno", "quarantatré", "cento"; digits beyond that range.
QString italian(int value);

// The text with every number in it written in words: "43 meno 17" -> "quarantatré meno
// diciassette".
QString numbersInWords(const QString &text);

} // namespace NumberWords
