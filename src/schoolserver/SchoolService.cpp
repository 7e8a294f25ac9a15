// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/SchoolService.h"

#include <QSqlDatabase>

Q_LOGGING_CATEGORY(lcSchoolServer, "vovorudoroz.schoolserver", QtWarningMsg)

namespace SchoolServer {

bool openServer(const QString &connection, const QString &service, int timeoutSeconds,
    const QString &user, const QString &password)
{
    bool open = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        // No host or database of ours: libpq takes them from the service, with the user and
        // password too but for the teacher's own login. A
        // server that stops answering once connected is given up by the keepalives (a machine
        // gone), by the unacknowledged-data limit (a network gone) and by the server's own
        // statement limit (a statement stuck there).
        database.setConnectOptions(
            QStringLiteral("service=%1;connect_timeout=%2;application_name=vovorudoroz;"
                           "keepalives=1;keepalives_idle=10;keepalives_interval=5;"
                           "keepalives_count=3;tcp_user_timeout=%3;"
                           "options='-c statement_timeout=%3'")
                .arg(service)
                .arg(timeoutSeconds)
                .arg(StatementMilliseconds));
        // The teacher's password goes to the server alone, never to a file.
        open = user.isEmpty() ? database.open() : database.open(user, password);
    }
    if (!open)
        QSqlDatabase::removeDatabase(connection);
    return open;
}

void closeServer(const QString &connection)
{
    {
        QSqlDatabase database = QSqlDatabase::database(connection, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace SchoolServer
