// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/Hypothesis.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantList>

class QSqlDatabase;
class QSqlError;

namespace Register {

struct StoredSession
{
    QString id;
    Hypothesis::DatedSession session;
};

// The judged answers of the pupils that `condition` (a WHERE clause on the sessions `s`, with
// its values bound in order) picks, by pupil key, session by session, oldest first, each with
// its seconds as the exercise timed them; error tells a read that failed.
QHash<QString, QList<StoredSession>> pupilHistories(
    QSqlDatabase &database, const QString &condition, const QVariantList &values, QSqlError &error);

} // namespace Register
