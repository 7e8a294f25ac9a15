// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ErrorSummary.h"

#include <QString>
#include <QStringList>

// The words of the analysis, the same on screen and on paper.
namespace AnalysisText {

QString title(); // "ANALISI DEGLI ERRORI"

// Name and date; mode and range; "40 operazioni, 31 esatte".
QStringList headingLines(const Analysis::Summary &summary);

// "Entro il 10", "Senza prestito", "Con prestito".
QString kindName(Analysis::Kind kind);
// The table's column titles, then each row's cells in the same order; the seconds' cell empty
// when the time is hidden from the pupil.
QStringList tableHeader();
QStringList rowCells(const Analysis::KindRow &row, bool timeHidden);

QString errorsHeading(); // "Come sbaglia"

// "53 − 17", "53 − ? = 36", "? − 17 = 36": the operation as the pupil saw it.
QString operationText(const JudgedOperation &operation);

// "Toglie la cifra più piccola dalla più grande: 4 volte su 6 sottrazioni con il prestito
// (53 − 17: ha scritto 44)".
QString recurringSentence(const Analysis::ErrorTally &tally);
// "Errori isolati: Sbaglia di uno (2 volte), Altri errori (1 volta)"; empty when there are none.
QString isolatedLine(const QList<Analysis::ErrorTally> &isolated);

// "Ripasso: 3 operazioni ripassate, 2 ora corrette", after a review of the missed operations.
QString reviewLine(int reviewed, int nowRight);

// The sentences of the errors' section, in order: each recurring error, with its note from the
// register after it ("— già visto il 3/12: confermato"; notes in the order of the recurring
// errors, none when the register is off), then the isolated line, then the review's line; or the
// one sentence for a session without errors or without operations.
QStringList errorLines(const Analysis::Summary &summary, const QStringList &notes = {});

// The sentence with the blanks inside its brackets made unbreakable, so that an example
// "(53 − 17: ha scritto 44)" stays whole on one line wherever the screen wraps the sentence.
QString withWholeBrackets(const QString &sentence);

// Splits a sentence into lines of at most `width` characters at blanks (a longer word, or an
// example in brackets, stays whole on its own line), for the printed page.
QStringList wrapped(const QString &text, int width);

} // namespace AnalysisText
