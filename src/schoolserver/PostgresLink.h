// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "schoolserver/ServerLink.h"

namespace SchoolServer {

// The sender's connection to the school's PostgreSQL server, in the sender's thread. Every
// value goes as a bound parameter.
class PostgresLink final : public ServerLink
{
public:
    static constexpr int ConnectSeconds = 10;

    explicit PostgresLink(const QString &service);
    ~PostgresLink() override;
    PostgresLink(const PostgresLink &) = delete;
    PostgresLink &operator=(const PostgresLink &) = delete;

    bool connect() override;
    Delivery send(const Batch &batch) override;
    void disconnect() override;

private:
    QString m_service;
    QString m_connection;
    bool m_open = false;
};

} // namespace SchoolServer
