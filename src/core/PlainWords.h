// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// What a screen reader should say for a caption. Large captions spread their letters apart
// ("N u o v a   s o t t r a z i o n e", one blank between letters, more between words); read
// as they are written, they are spelled letter by letter.
namespace PlainWords {

// True when the caption holds a word written with blanks between its letters (three or more
// single letters in a row).
bool isLetterSpaced(const QString &caption);

// The caption in plain words: a letter-spaced caption is closed up word by word and written
// with a capital only at its start ("Nuova sottrazione", "Esercizi eseguiti", "Esci"); any
// other caption comes back unchanged.
QString of(const QString &caption);

} // namespace PlainWords
