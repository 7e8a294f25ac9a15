// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/RegisterSource.h"

#include "schoolserver/LabReader.h"
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

TeacherRegister openTeacherRegister(const QString &service, const QString &password)
{
    TeacherRegister opened;
    const QString connection = QStringLiteral("register-server-teacher-")
        + QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (openServer(connection, service, ReadConnectSeconds, TeacherRole, password)) {
        if (ensureTables(connection)) {
            opened.login = Register::TeacherLogin::Opened;
            opened.queries =
                std::make_unique<Register::RegisterQueries>(connection, Register::State::Ready);
            return opened;
        }
        closeServer(connection);
        return opened;
    }
    // The lab PCs' own login tells a wrong password from a server away.
    const QString probe = connection + QStringLiteral("-lab");
    if (openServer(probe, service, ReadConnectSeconds)) {
        closeServer(probe);
        opened.login = Register::TeacherLogin::WrongPassword;
    }
    return opened;
}

Register::Opened openForScreens(
    const RegisterPlace &place, ThrottleStore *throttle, const QString &service)
{
    auto queries = std::make_unique<Register::RegisterQueries>(place.filePath);
    Register::Opened opened;
    opened.password = std::make_unique<TeacherPassword>(*queries, nullptr, throttle);
    if (service.isEmpty())
        opened.reader = std::move(queries);
    else
        opened.reader = std::make_unique<LabReader>(std::move(queries), service);
    return opened;
}

Register::Opened openTeacherForScreens(
    const QString &service, const QString &password, ThrottleStore *throttle)
{
    Register::Opened opened;
    std::unique_ptr<Register::RegisterQueries> queries;
    TeacherPassword login(
        [&](const QString &typed) {
            TeacherRegister teacher = openTeacherRegister(service, typed);
            queries = std::move(teacher.queries);
            return teacher.login;
        },
        throttle);
    opened.login = login.check(password);
    opened.secondsToWait = login.secondsToWait();
    if (opened.login == PasswordGate::Check::ServerAway)
        opened.notice = serverAwayNotice();
    opened.reader = std::move(queries);
    return opened;
}

} // namespace SchoolServer
