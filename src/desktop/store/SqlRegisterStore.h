// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "desktop/RegisterStore.h"

#include <memory>

class SqliteRegister;
namespace SchoolServer {
class LabSender;
}

// The register on this PC's SQLite file and the school's PostgreSQL server.
class SqlRegisterStore final : public RegisterStore
{
public:
    SqlRegisterStore();
    // The sender stops before the register closes, as the program's end has it.
    ~SqlRegisterStore() override;

    PupilRegister &pupilRegister(const RegisterPlace &place) override;
    Register::Status status() override;
    Register::Opened openForScreens(
        const RegisterPlace &place, ThrottleStore *throttle, const QString &service) override;
    Register::Opened openTeacherForScreens(
        const QString &service, const QString &password, ThrottleStore *throttle) override;
    void startLabSender(const QString &registerFile, const QString &service) override;

private:
    std::unique_ptr<SqliteRegister> m_register;
    std::unique_ptr<SchoolServer::LabSender> m_sender;
};
