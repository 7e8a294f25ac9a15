// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/SqliteOutbox.h"

#include "register/AllOrNothing.h"
#include "register/RegisterFile.h"
#include "register/RegisterSchema.h"

#include <QFile>
#include <QSet>
#include <QSqlQuery>
#include <QUuid>

namespace SchoolServer {

SqliteOutbox::SqliteOutbox(const QString &filePath)
    : m_filePath(filePath), m_connection(QStringLiteral("register-outbox-")
                                + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

SqliteOutbox::~SqliteOutbox()
{
    if (m_open)
        Register::closeFile(m_connection);
}

bool SqliteOutbox::ensureOpen()
{
    // The register's writer makes the file; before its first session there is nothing to send.
    if (m_open || !QFile::exists(m_filePath))
        return m_open;
    const Register::Opening opening =
        Register::openFile(m_filePath, m_connection, Register::PageCheck::None);
    m_open = opening.state == Register::State::Ready;
    if (!m_open && opening.isOpen())
        Register::closeFile(m_connection);
    return m_open;
}

bool SqliteOutbox::readRows(
    Batch &batch, Table table, const QString &where, const QVariantList &values)
{
    const TableColumns &t = columnsOf(table);
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT rowid, sent, %1 FROM %2 WHERE %3")
                      .arg(t.columns.join(QStringLiteral(", ")), t.name, where));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return false;
    while (query.next()) {
        OutboxRow row { table, query.value(0).toLongLong(), query.value(1).toInt() == 0, {} };
        for (int column = 0; column < t.columns.size(); ++column)
            row.values.append(query.value(column + 2));
        batch.rows.append(row);
    }
    return true;
}

std::optional<Batch> SqliteOutbox::nextBatch(int answers)
{
    if (!ensureOpen())
        return std::nullopt;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    // One read transaction: the rows and their parents as of one moment.
    if (!database.transaction())
        return std::nullopt;
    Batch children;
    Batch parents;
    const QString unsent = QStringLiteral("sent = 0 ORDER BY rowid LIMIT ?");
    bool read = readRows(children, Table::Answers, unsent, { answers })
        && readRows(children, Table::Reviews, unsent, { answers })
        && readRows(parents, Table::Sessions, unsent, { answers })
        && readRows(parents, Table::Pupils, unsent, { answers });

    // The sessions of the answers and reviews, and the pupils of the sessions, go with them.
    auto addParents = [&](Table parent, const QSet<QString> &wanted) {
        QSet<QString> present;
        for (const OutboxRow &row : std::as_const(parents.rows))
            if (row.table == parent)
                present.insert(row.values.at(0).toString());
        for (const QString &key : wanted)
            if (!present.contains(key))
                read = read
                    && readRows(parents, parent,
                        columnsOf(parent).columns.at(0) + QStringLiteral(" = ?"), { key });
    };
    QSet<QString> sessionIds;
    for (const OutboxRow &row : std::as_const(children.rows))
        sessionIds.insert(row.values.at(0).toString());
    addParents(Table::Sessions, sessionIds);
    QSet<QString> pupilKeys;
    for (const OutboxRow &row : std::as_const(parents.rows))
        if (row.table == Table::Sessions)
            pupilKeys.insert(row.values.at(1).toString());
    addParents(Table::Pupils, pupilKeys);
    database.commit();
    if (!read)
        return std::nullopt;

    Batch batch;
    for (Table table : { Table::Pupils, Table::Sessions })
        for (const OutboxRow &row : std::as_const(parents.rows))
            if (row.table == table)
                batch.rows.append(row);
    batch.rows.append(children.rows);
    return batch;
}

bool SqliteOutbox::markSent(const Batch &batch)
{
    if (!ensureOpen())
        return false;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    return Register::allOrNothing(database, [&batch](QSqlQuery &query) {
        for (const OutboxRow &row : batch.rows) {
            if (!row.unsent)
                continue;
            if (row.table == Table::Sessions) {
                // A session that ended after it was read must go again, with its end.
                query.prepare(QStringLiteral(
                    "UPDATE sessions SET sent = 1 WHERE rowid = ? AND ended_at IS ?"));
                query.addBindValue(row.localId);
                query.addBindValue(row.values.at(SessionEndedAtColumn));
            } else {
                query.prepare(QStringLiteral("UPDATE %1 SET sent = 1 WHERE rowid = ?")
                                  .arg(columnsOf(row.table).name));
                query.addBindValue(row.localId);
            }
            if (!query.exec())
                return false;
        }
        return true;
    });
}

void SqliteOutbox::keepTeacherHash(const QString &hash)
{
    if (!ensureOpen())
        return;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT INTO settings (key, value) VALUES (?, ?)"
                                 " ON CONFLICT (key) DO UPDATE SET value = excluded.value"));
    query.addBindValue(TeacherPasswordKey);
    query.addBindValue(hash);
    query.exec();
}

bool SqliteOutbox::removeSentBefore(const QDateTime &before)
{
    if (!ensureOpen())
        return false;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    return Register::allOrNothing(database, [&before](QSqlQuery &query) {
        const QString old = QStringLiteral(
            "SELECT id FROM sessions s WHERE s.sent = 1 AND s.started_at < ?"
            " AND NOT EXISTS (SELECT 1 FROM answers a WHERE a.session_id = s.id AND a.sent = 0)"
            " AND NOT EXISTS (SELECT 1 FROM reviews r WHERE r.session_id = s.id AND r.sent = 0)");
        for (const QString &statement : {
                 QStringLiteral("DELETE FROM answers WHERE session_id IN (%1)").arg(old),
                 QStringLiteral("DELETE FROM reviews WHERE session_id IN (%1)").arg(old),
                 QStringLiteral("DELETE FROM sessions WHERE id IN (%1)").arg(old),
             }) {
            query.prepare(statement);
            query.addBindValue(Register::storedTime(before));
            if (!query.exec())
                return false;
        }
        return query.exec(
            QStringLiteral("DELETE FROM pupils WHERE sent = 1 AND NOT EXISTS"
                           " (SELECT 1 FROM sessions WHERE pupil_key = pupils.name_key)"));
    });
}

} // namespace SchoolServer
