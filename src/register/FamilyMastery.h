// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/Hypothesis.h"
#include "core/PracticeFamily.h"

#include <QHash>
#include <QList>
#include <QString>

class QSqlDatabase;
class QSqlError;

// Each pupil's families learned, kept beside the answers so that the class's overview reads
// them instead of judging every pupil's every answer again. Kept when one of the pupil's
// sessions ends, forgotten when the pupil gets another answer, and only in the PC's file: a pupil
// without them (a session still going on, a school server's register, an older read-only file)
// is judged from the answers.
namespace Register {

inline const QString MasteryTable = QStringLiteral("family_mastery");

// The families learned in these sessions, in teaching order.
QList<Practice::Family> learnedFamilies(const QList<Hypothesis::DatedSession> &history);

// Every pupil with answers and the families the pupil has learned; error tells a read that
// failed.
QHash<QString, QList<Practice::Family>> classMastery(QSqlDatabase &database, QSqlError &error);

// Judges the whole history of the session's pupil once and keeps what it learned.
QSqlError keepMastery(QSqlDatabase &database, const QString &sessionId);
// Forgets it when the session's pupil gets another answer.
QSqlError forgetMastery(QSqlDatabase &database, const QString &sessionId);
// Keeps it for every pupil with answers that has none (a file written before it was kept).
QSqlError keepMissingMastery(QSqlDatabase &database);

} // namespace Register
