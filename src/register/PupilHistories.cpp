// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/PupilHistories.h"

#include "core/DrillCodes.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Register {

QHash<QString, QList<StoredSession>> pupilHistories(
    QSqlDatabase &database, const QString &condition, const QVariantList &values, QSqlError &error)
{
    QHash<QString, QList<StoredSession>> all;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT s.pupil_key, s.id, substr(s.started_at, 1, 10), a.minuend,"
                                 " a.subtrahend, a.asked_term, a.typed, a.is_right, a.seconds"
                                 " FROM sessions s JOIN answers a ON a.session_id = s.id ")
        + condition
        + QStringLiteral(" ORDER BY s.pupil_key, s.started_at, s.rowid, a.operation_no"));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        error = query.lastError();
        return all;
    }
    QList<StoredSession> *pupil = nullptr; // the rows come pupil after pupil
    while (query.next()) {
        const QString id = query.value(1).toString();
        if (!pupil || pupil->last().id != id) {
            pupil = &all[query.value(0).toString()];
            pupil->append(
                { id, { QDate::fromString(query.value(2).toString(), Qt::ISODate), {} } });
        }
        Answer answer;
        answer.minuend = query.value(3).toInt();
        answer.subtrahend = query.value(4).toInt();
        answer.askedTerm = query.value(5).toInt();
        answer.typed = query.value(6).toString();
        answer.right = query.value(7).toBool();
        answer.seconds = query.value(8).toDouble();
        pupil->last().session.operations.append(judgedOperationOf(answer));
    }
    error = query.lastError();
    return all;
}

} // namespace Register
