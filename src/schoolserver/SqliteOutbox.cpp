// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/SqliteOutbox.h"

#include "register/AllOrNothing.h"
#include "register/RegisterFile.h"
#include "register/RegisterSchema.h"

#include "schoolserver/SchoolService.h"

#include <QFile>
#include <QSet>
#include <QSqlQuery>
#include <QUuid>
#include <sys/stat.h>

namespace SchoolServer {

namespace {

    // A row's "sent" mark: 0 waiting, 1 on the server, 2 set aside (refused by the server).
    constexpr int SetAsideMark = 2;

    // The file on the disk, whatever its name: the writer moves a damaged file aside and starts a
    // new one under the same name, which the outbox must follow.
    QString fileIdentity(const QString &path)
    {
        struct stat status
        {
        };
        if (::stat(QFile::encodeName(path).constData(), &status) != 0)
            return QString();
        return QStringLiteral("%1:%2")
            .arg(static_cast<qulonglong>(status.st_dev))
            .arg(static_cast<qulonglong>(status.st_ino));
    }

} // namespace

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
    const QString identity = fileIdentity(m_filePath);
    if (m_open && identity != m_identity) {
        qCDebug(lcSchoolServer, "the register's file was replaced: opened again");
        Register::closeFile(m_connection);
        m_open = false;
    }
    // The register's writer makes the file; before its first session there is nothing to send.
    if (m_open || identity.isEmpty())
        return m_open;
    const Register::Opening opening =
        Register::openFile(m_filePath, m_connection, Register::PageCheck::None);
    m_open = opening.state == Register::State::Ready;
    if (!m_open && opening.isOpen())
        Register::closeFile(m_connection);
    m_identity = fileIdentity(m_filePath);
    if (m_open)
        publishSetAside();
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
    if (!database.commit() || !read)
        return std::nullopt;

    Batch batch;
    for (Table table : { Table::Pupils, Table::Sessions })
        for (const OutboxRow &row : std::as_const(parents.rows))
            if (row.table == table)
                batch.rows.append(row);
    batch.rows.append(children.rows);
    return batch;
}

bool SqliteOutbox::markSent(const Batch &batch, const QList<int> &refused)
{
    if (!ensureOpen())
        return false;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    const bool marked = Register::allOrNothing(database, [&](QSqlQuery &query) {
        for (int index = 0; index < batch.rows.size(); ++index) {
            const OutboxRow &row = batch.rows.at(index);
            const bool setAside = refused.contains(index);
            if (!row.unsent && !setAside)
                continue;
            const int mark = setAside ? SetAsideMark : 1;
            if (row.table == Table::Sessions && !setAside) {
                // A session that ended after it was read must go again, with its end.
                query.prepare(QStringLiteral(
                    "UPDATE sessions SET sent = ? WHERE rowid = ? AND ended_at IS ?"));
                query.addBindValue(mark);
                query.addBindValue(row.localId);
                query.addBindValue(row.values.at(SessionEndedAtColumn));
            } else {
                query.prepare(QStringLiteral("UPDATE %1 SET sent = ? WHERE rowid = ?")
                                  .arg(columnsOf(row.table).name));
                query.addBindValue(mark);
                query.addBindValue(row.localId);
            }
            if (!query.exec())
                return false;
        }
        return true;
    });
    if (marked && !refused.isEmpty())
        publishSetAside();
    return marked;
}

void SqliteOutbox::publishSetAside()
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    SetAsideRows rows;
    if (query.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM sessions WHERE sent = 2)"
                                  " + (SELECT COUNT(*) FROM answers WHERE sent = 2)"
                                  " + (SELECT COUNT(*) FROM reviews WHERE sent = 2)"))
        && query.next())
        rows.rows = query.value(0).toInt();
    if (rows.rows > 0
        && query.exec(QStringLiteral(
            "SELECT DISTINCT p.display_name FROM sessions s JOIN pupils p"
            " ON p.name_key = s.pupil_key WHERE s.sent = 2"
            " OR EXISTS (SELECT 1 FROM answers a WHERE a.session_id = s.id AND a.sent = 2)"
            " OR EXISTS (SELECT 1 FROM reviews r WHERE r.session_id = s.id AND r.sent = 2)"
            " ORDER BY p.display_name")))
        while (query.next())
            rows.pupils.append(query.value(0).toString());
    setAsideBoard().publish(rows);
}

bool SqliteOutbox::removeSentBefore(const QDateTime &before, const QDateTime &setAsideBefore)
{
    if (!ensureOpen())
        return false;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    const bool removed = Register::allOrNothing(database, [&](QSqlQuery &query) {
        // A session with rows set aside stays longer, for the teacher to hear of them.
        const QString old = QStringLiteral(
            "SELECT id FROM sessions s WHERE s.sent <> 0 AND s.started_at < ?"
            " AND NOT EXISTS (SELECT 1 FROM answers a WHERE a.session_id = s.id AND a.sent = 0)"
            " AND NOT EXISTS (SELECT 1 FROM reviews r WHERE r.session_id = s.id AND r.sent = 0)"
            " AND (s.started_at < ? OR (s.sent = 1"
            " AND NOT EXISTS (SELECT 1 FROM answers a WHERE a.session_id = s.id AND a.sent = 2)"
            " AND NOT EXISTS (SELECT 1 FROM reviews r WHERE r.session_id = s.id AND r.sent = 2)))");
        for (const QString &statement : {
                 QStringLiteral("DELETE FROM answers WHERE session_id IN (%1)").arg(old),
                 QStringLiteral("DELETE FROM reviews WHERE session_id IN (%1)").arg(old),
                 QStringLiteral("DELETE FROM sessions WHERE id IN (%1)").arg(old),
             }) {
            query.prepare(statement);
            query.addBindValue(Register::storedTime(before));
            query.addBindValue(Register::storedTime(setAsideBefore));
            if (!query.exec())
                return false;
        }
        return query.exec(
            QStringLiteral("DELETE FROM pupils WHERE sent = 1 AND NOT EXISTS"
                           " (SELECT 1 FROM sessions WHERE pupil_key = pupils.name_key)"));
    });
    if (removed)
        publishSetAside();
    return removed;
}

} // namespace SchoolServer
