// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/RegisterSource.h"

#include "schoolserver/SchoolService.h"
#include "schoolserver/ServerSchema.h"

#include <QUuid>

namespace SchoolServer {

QString serverAwayNotice()
{
    return QStringLiteral(
        "Il server del registro non risponde: i dati di oggi sono al sicuro su questo "
        "computer e verranno inviati appena possibile.");
}

RegisterSource openRegisterSource(const RegisterPlace &place, const QString &service)
{
    RegisterSource source;
    if (!service.isEmpty()) {
        const QString connection = QStringLiteral("register-server-reader-")
            + QUuid::createUuid().toString(QUuid::WithoutBraces);
        if (openServer(connection, service, ReadConnectSeconds)) {
            if (ensureTables(connection)) {
                source.queries =
                    std::make_unique<Register::RegisterQueries>(connection, Register::State::Ready);
                source.fromServer = true;
                return source;
            }
            closeServer(connection);
        }
        source.notice = serverAwayNotice();
    }
    source.queries = std::make_unique<Register::RegisterQueries>(place.filePath);
    return source;
}

Register::Opened openForScreens(const RegisterPlace &place, const QString &service)
{
    RegisterSource source = openRegisterSource(place, service);
    Register::Opened opened;
    opened.password = std::make_unique<TeacherPassword>(*source.queries);
    opened.reader = std::move(source.queries);
    opened.notice = source.notice;
    return opened;
}

} // namespace SchoolServer
