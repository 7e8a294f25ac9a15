// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/PostgresLink.h"

#include "schoolserver/SchoolService.h"
#include "schoolserver/ServerSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace SchoolServer {

PostgresLink::PostgresLink(const QString &service)
    : m_service(service), m_connection(QStringLiteral("register-server-")
                              + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

PostgresLink::~PostgresLink()
{
    disconnect();
}

bool PostgresLink::connect()
{
    disconnect();
    if (!openServer(m_connection, m_service, ConnectSeconds))
        return false;
    m_open = true;
    if (!ensureTables(m_connection)) {
        qCWarning(lcSchoolServer)
            << "the school server has no register tables, and they cannot be made";
        disconnect();
        return false;
    }
    return true;
}

bool PostgresLink::send(const Batch &batch)
{
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    if (!m_open || !database.transaction())
        return false;
    // One prepared statement per table, used for each of its rows.
    QSqlQuery statements[4] { QSqlQuery(database), QSqlQuery(database), QSqlQuery(database),
        QSqlQuery(database) };
    for (const OutboxRow &row : batch.rows) {
        QSqlQuery &query = statements[static_cast<int>(row.table)];
        if (query.lastQuery().isEmpty() && !query.prepare(insertStatement(row.table))) {
            qCWarning(lcSchoolServer) << "refused:" << query.lastError().text();
            database.rollback();
            return false;
        }
        for (int i = 0; i < row.values.size(); ++i)
            query.bindValue(i, row.values.at(i));
        if (!query.exec()) {
            qCWarning(lcSchoolServer) << "refused:" << query.lastError().text();
            database.rollback();
            return false;
        }
    }
    if (!database.commit()) {
        qCWarning(lcSchoolServer) << "not committed:" << database.lastError().text();
        return false;
    }
    return true;
}

std::optional<QString> PostgresLink::teacherHash()
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT value FROM settings WHERE key = ?"));
    query.addBindValue(TeacherPasswordKey);
    if (m_open && query.exec() && query.next())
        return query.value(0).toString();
    return std::nullopt;
}

void PostgresLink::disconnect()
{
    if (m_open)
        closeServer(m_connection);
    m_open = false;
}

} // namespace SchoolServer
