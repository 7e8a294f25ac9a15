// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "schoolserver/ServiceName.h"

#include <QLoggingCategory>
#include <QString>

class QSqlDatabase;

// What the sender did, for an administrator (QT_LOGGING_RULES="vovorudoroz.schoolserver.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcSchoolServer)

namespace SchoolServer {

// The longest a statement may run on the server, and data may stay unacknowledged, before the
// connection gives up.
constexpr int StatementMilliseconds = 20000;
// The teacher's own login on the school server, made by scripts/registro-postgresql.sql.
inline const QString TeacherRole = QStringLiteral("vovo_insegnante");

// Opens a PostgreSQL connection with that name in the calling thread, giving up after
// timeoutSeconds; false (and the connection removed) when the server does not answer or
// refuses us. As the lab PCs' role of the service, or as `user` with its password.
bool openServer(const QString &connection, const QString &service, int timeoutSeconds,
    const QString &user = QString(), const QString &password = QString());
void closeServer(const QString &connection);

} // namespace SchoolServer
