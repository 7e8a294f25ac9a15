// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ErrorSummary.h"
#include "core/TellingOperations.h"

#include <QList>
#include <QString>
#include <cstdint>

// The operations of the practice sheet ("SCHEDA DI ESERCIZI") that follows an analysis: eight
// that the diagnosed wrong procedure gets wrong, each with an answer that no other procedure
// gives (so that the sheet tells them apart), and four where it does not apply, so that the
// pupil has to decide. Without a recurring procedure, the kind of subtraction with the lowest
// share of right answers is practised instead.
namespace PracticeSheet {

constexpr int PracticeCount = 8;
constexpr int ContrastCount = 4;

struct Item
{
    int minuend = 0;
    int subtrahend = 0;
    int askedTerm = 1;
    bool practice = false; // one of the eight the procedure gets wrong
    friend bool operator==(const Item &, const Item &) = default;
};

// What the sheet is drawn from.
struct Choice
{
    int rangeLevel = 1; // the numbers are the range's, drawn by its rule
    int askedLow = 1; // the hidden terms the session asked for
    int askedHigh = 1;
    std::uint64_t seed = 0; // the same seed gives the same sheet
};

struct Sheet
{
    Analysis::Error error = Analysis::Error::None; // the procedure practised, or None
    Analysis::Kind kind = Analysis::Kind::WithBorrow; // practised when error is None
    Item example; // the worked example at the top of the sheet
    QList<Item> items; // twelve, practice and contrast mixed
};

// The key's procedures and the operations that tell them apart (the eight of the sheet).
using Analysis::discriminates;
using Analysis::keyProcedures;

// The sheet for a procedure (None: for the kind of subtraction).
Sheet forProcedure(Analysis::Error error, const Choice &choice);
Sheet forKind(Analysis::Kind kind, const Choice &choice);
// The most frequent recurring procedure of the summary if it can be practised in the range;
// otherwise the kind with the lowest share of right answers (the harder kind on a tie).
Sheet choose(const Analysis::Summary &summary, const Choice &choice);

// The same number for the same session: the pupil's name and every judged operation.
std::uint64_t sessionSeed(const QString &pupil, const QList<JudgedOperation> &operations);

// The words of the sheet.
QString title(); // "SCHEDA DI ESERCIZI"
// The error in one plain sentence, for the pupil.
QString errorSentence(const Sheet &sheet);
// "53 − 17 = ?", "? − 17 = 36", "53 − ? = 36".
QString question(const Item &item);
// The teacher's line for an item: "53 − 17 = ?  risposta 36; se scrive 44: toglie la cifra più
// piccola dalla più grande".
QString keyLine(const Sheet &sheet, const Item &item);
// What the key's lines mean, for the teacher.
QString keyNote(const Sheet &sheet);

} // namespace PracticeSheet
