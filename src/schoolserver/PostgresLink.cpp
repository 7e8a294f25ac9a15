// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/PostgresLink.h"

#include "schoolserver/SchoolService.h"
#include "schoolserver/ServerSchema.h"

#include <QSet>
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

namespace {

    // The row's own data: a value out of range, a text too long, a broken key. Anything else (a
    // missing function, a missing privilege, a lost connection) is the server's, and passes.
    bool refusedForGood(const QSqlError &error)
    {
        const QString state = error.nativeErrorCode();
        return state.startsWith(QLatin1String("22")) || state.startsWith(QLatin1String("23"));
    }

} // namespace

Delivery PostgresLink::send(const Batch &batch)
{
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    if (!m_open || !database.transaction())
        return {};
    auto abandon = [&database](const QSqlQuery &query) {
        qCWarning(lcSchoolServer) << "refused:" << query.lastError().text();
        database.rollback();
        return Delivery();
    };
    // One prepared statement per table, used for each of its rows; each row behind a savepoint,
    // so that one the server refuses leaves the others in the transaction.
    QSqlQuery statements[4] { QSqlQuery(database), QSqlQuery(database), QSqlQuery(database),
        QSqlQuery(database) };
    QSqlQuery savepoint(database);
    Delivery delivery;
    QSet<QString> refusedSessions;
    for (int index = 0; index < batch.rows.size(); ++index) {
        const OutboxRow &row = batch.rows.at(index);
        const QString statement = insertStatement(row.table);
        if (statement.isEmpty())
            continue;
        if (row.table != Table::Sessions && refusedSessions.contains(row.values.at(0).toString())) {
            delivery.refused.append(index);
            continue;
        }
        QSqlQuery &query = statements[static_cast<int>(row.table)];
        if (query.lastQuery().isEmpty() && !query.prepare(statement))
            return abandon(query);
        for (int i = 0; i < row.values.size(); ++i)
            query.bindValue(i, row.values.at(i));
        if (!savepoint.exec(QStringLiteral("SAVEPOINT row_sent")))
            return abandon(savepoint);
        if (query.exec()) {
            if (!savepoint.exec(QStringLiteral("RELEASE SAVEPOINT row_sent")))
                return abandon(savepoint);
            continue;
        }
        if (!refusedForGood(query.lastError()))
            return abandon(query);
        qCWarning(lcSchoolServer) << "set aside:" << query.lastError().text();
        if (!savepoint.exec(QStringLiteral("ROLLBACK TO SAVEPOINT row_sent")))
            return abandon(savepoint);
        delivery.refused.append(index);
        if (row.table == Table::Sessions)
            refusedSessions.insert(row.values.at(0).toString());
    }
    if (!database.commit()) {
        qCWarning(lcSchoolServer) << "not committed:" << database.lastError().text();
        return {};
    }
    delivery.committed = true;
    return delivery;
}

void PostgresLink::disconnect()
{
    if (m_open)
        closeServer(m_connection);
    m_open = false;
}

} // namespace SchoolServer
