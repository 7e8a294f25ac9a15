// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/Hypothesis.h"

#include <QList>
#include <QString>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

// Each ended session's tallies of the wrong procedures, kept beside its answers so that the
// class's hypotheses are read, not judged again answer by answer. Kept in the PC's file only;
// a register without them (a school server's, an older read-only file) is judged from its
// answers.
namespace Register {

inline const QString TalliesTable = QStringLiteral("procedure_tallies");

// One line per procedure: its name as the answers store it, then recurs, scope, right, marked.
QString talliesText(const QList<Hypothesis::Tally> &tallies);
QList<Hypothesis::Tally> talliesFromText(const QString &text);

// The operation in the columns minuend, subtrahend, asked_term, typed, is_right from `first` on.
JudgedOperation judgedOperation(const QSqlQuery &query, int first);

// Judges the session's answers once and keeps their tallies, replacing any kept before.
QSqlError keepTallies(QSqlDatabase &database, const QString &sessionId);
// Forgets them when the session gets another answer.
QSqlError forgetTallies(QSqlDatabase &database, const QString &sessionId);
// Keeps the tallies of every ended session that has none (a file written before they were kept).
QSqlError keepMissingTallies(QSqlDatabase &database);

} // namespace Register
