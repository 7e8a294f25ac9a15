// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/ProcedureTallies.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Register {

namespace {

    const QHash<QString, Analysis::Error> &labelsByName()
    {
        static const QHash<QString, Analysis::Error> labels = [] {
            QHash<QString, Analysis::Error> all;
            for (int value = 0; value < Analysis::ErrorCount; ++value) {
                const auto label = static_cast<Analysis::Error>(value);
                all.insert(Analysis::errorName(label), label);
            }
            return all;
        }();
        return labels;
    }

    const QChar FieldSeparator = u'\t';
    const QChar LineSeparator = u'\n';

} // namespace

QString talliesText(const QList<Hypothesis::Tally> &tallies)
{
    QStringList lines;
    for (const Hypothesis::Tally &tally : tallies)
        lines.append(QStringList { Analysis::errorName(tally.label), QString::number(tally.recurs),
            QString::number(tally.scope), QString::number(tally.right),
            QString::number(tally.marked) }
                         .join(FieldSeparator));
    return lines.join(LineSeparator);
}

QList<Hypothesis::Tally> talliesFromText(const QString &text)
{
    QList<Hypothesis::Tally> tallies;
    for (QStringView line : QStringView(text).split(LineSeparator, Qt::SkipEmptyParts)) {
        const QList<QStringView> fields = line.split(FieldSeparator);
        const auto label = labelsByName().constFind(fields.value(0).toString());
        if (fields.size() != 5 || label == labelsByName().cend())
            continue;
        tallies.append({ label.value(), fields[1].toInt() != 0, fields[2].toInt(),
            fields[3].toInt(), fields[4].toInt() != 0 });
    }
    return tallies;
}

JudgedOperation judgedOperation(const QSqlQuery &query, int first)
{
    JudgedOperation operation;
    operation.judged = true;
    operation.minuend = query.value(first).toInt();
    operation.subtrahend = query.value(first + 1).toInt();
    operation.askedTerm = query.value(first + 2).toInt();
    operation.answer = query.value(first + 3).toString();
    operation.right = query.value(first + 4).toBool();
    return operation;
}

QSqlError keepTallies(QSqlDatabase &database, const QString &sessionId)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT minuend, subtrahend, asked_term, typed, is_right"
                                 " FROM answers WHERE session_id = ? ORDER BY operation_no"));
    query.addBindValue(sessionId);
    if (!query.exec())
        return query.lastError();
    QList<JudgedOperation> operations;
    while (query.next())
        operations.append(judgedOperation(query, 0));
    query.finish();
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO procedure_tallies (session_id, tallies)"
                                 " VALUES (?, ?)"));
    query.addBindValue(sessionId);
    query.addBindValue(talliesText(Hypothesis::talliesOf(operations)));
    return query.exec() ? QSqlError() : query.lastError();
}

QSqlError forgetTallies(QSqlDatabase &database, const QString &sessionId)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("DELETE FROM procedure_tallies WHERE session_id = ?"));
    query.addBindValue(sessionId);
    return query.exec() ? QSqlError() : query.lastError();
}

QSqlError keepMissingTallies(QSqlDatabase &database)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT id FROM sessions s WHERE end_reason IS NOT NULL AND NOT EXISTS"
                           " (SELECT 1 FROM procedure_tallies t WHERE t.session_id = s.id)")))
        return query.lastError();
    QStringList ended;
    while (query.next())
        ended.append(query.value(0).toString());
    query.finish();
    for (const QString &sessionId : ended) {
        const QSqlError error = keepTallies(database, sessionId);
        if (error.isValid())
            return error;
    }
    return QSqlError();
}

} // namespace Register
