// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/ServerSchema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace SchoolServer {

namespace {

    QString tablesScript()
    {
        QFile file(QStringLiteral(":/schoolserver/registro-postgresql.sql"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QString script = QString::fromUtf8(file.readAll());
        const qsizetype from = script.indexOf(QStringLiteral("-- @tables"));
        const qsizetype to = script.indexOf(QStringLiteral("-- @end of tables"));
        return from >= 0 && to > from ? script.mid(from, to - from) : QString();
    }

    bool hasTables(QSqlDatabase &database)
    {
        QSqlQuery query(database);
        return query.exec(QStringLiteral(
                   "SELECT to_regclass('pupils') IS NOT NULL AND to_regclass('sessions') IS NOT "
                   "NULL"
                   " AND to_regclass('answers') IS NOT NULL AND to_regclass('reviews') IS NOT NULL"
                   " AND to_regclass('deletions') IS NOT NULL"
                   " AND to_regclass('assignments') IS NOT NULL"
                   " AND to_regproc('lab_add_review') IS NOT NULL"
                   " AND to_regproc('lab_plan_facts') IS NOT NULL"
                   " AND to_regclass('measures') IS NOT NULL"
                   " AND to_regproc('lab_measures') IS NOT NULL"))
            && query.next() && query.value(0).toBool();
    }

} // namespace

bool ensureTables(const QString &connection)
{
    QSqlDatabase database = QSqlDatabase::database(connection, false);
    if (hasTables(database))
        return true;
    const QString script = tablesScript();
    QSqlQuery query(database);
    // One text of several statements, with its own BEGIN and COMMIT; a role that may not
    // create tables leaves the server as it was.
    if (script.isEmpty() || !query.exec(script)) {
        QSqlQuery(database).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return hasTables(database);
}

} // namespace SchoolServer
