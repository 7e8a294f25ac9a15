// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "desktop/store/SqlRegisterStore.h"

#include "register/SqliteRegister.h"
#include "schoolserver/LabSender.h"
#include "schoolserver/RegisterSource.h"
#include "schoolserver/SetAside.h"

SqlRegisterStore::SqlRegisterStore() = default;

SqlRegisterStore::~SqlRegisterStore()
{
    m_sender.reset();
}

PupilRegister &SqlRegisterStore::pupilRegister(const RegisterPlace &place)
{
    if (!m_register)
        m_register = std::make_unique<SqliteRegister>(place);
    return *m_register;
}

Register::Status SqlRegisterStore::status()
{
    Register::Status status = m_register ? m_register->status() : Register::Status();
    const SchoolServer::SetAsideRows setAside = SchoolServer::setAsideBoard().get();
    status.rowsSetAside = setAside.rows;
    status.pupilsSetAside = setAside.pupils;
    return status;
}

Register::Opened SqlRegisterStore::openForScreens(
    const RegisterPlace &place, ThrottleStore *throttle, const QString &service)
{
    return SchoolServer::openForScreens(place, throttle, service);
}

Register::Opened SqlRegisterStore::openTeacherForScreens(
    const QString &service, const QString &password, ThrottleStore *throttle)
{
    return SchoolServer::openTeacherForScreens(service, password, throttle);
}

void SqlRegisterStore::startLabSender(const QString &registerFile, const QString &service)
{
    if (!m_sender)
        m_sender = std::make_unique<SchoolServer::LabSender>(registerFile, service);
}
