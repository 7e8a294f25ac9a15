// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// The two text forms of a number used across the program, and the pad that lines numbers up
// in two-character columns of the fixed-pitch record lines.
namespace NumberText {

// Decimal text with one leading blank for a number that is not negative (" 7", "-3").
QString strForm(int value);

// The decimal digits alone ("7").
QString plainForm(int value);

// One blank before a number below 10, otherwise nothing.
QString pad(int value);

} // namespace NumberText
