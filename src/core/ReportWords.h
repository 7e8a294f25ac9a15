// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// The report read in words by a screen reader, beside the record lines and time boxes as the
// screen shows them: "15 -  7 =  ?   (8)   5 Tp" is hard to follow read out sign by sign.
namespace ReportWords {

// Record i (1 to 40) in words: "Esercizio 1, operazione 3: 15 meno 7 uguale quanto? Risposta
// 8, esatta, 5 secondi." A record not yet answered ends after the question; a line that is not
// a record comes back as it is.
QString record(int index, const QString &line);

// An exercise's total-time box for its stored time text (" 53" or empty): "Esercizio 1, tempo
// totale: 53 secondi." or "Esercizio 2, tempo totale: nessuno."
QString timeBox(int exercise, const QString &exerciseTimeText);

} // namespace ReportWords
