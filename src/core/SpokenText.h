// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

struct SessionRecord;

// The sentences a screen reader says on the exercise screen, for a pupil who hears the
// screen rather than sees it.
namespace Exercise {

// What the answer box asks for, from the hidden term: "Scrivi la differenza", "Scrivi il
// minuendo", "Scrivi il sottraendo"; empty for any other code.
QString taskSentence(int askedTerm);

// The verdict of the answer just judged and its seconds as the time label shows them:
// "Esatto. 3 secondi." After the tenth answer of an exercise the exercise's score follows:
// "Esatto. 4 secondi. Esercizio 2 finito: 8 risposte esatte su 10."
QString verdictSentence(const SessionRecord &session, bool right);

} // namespace Exercise
