// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "schoolserver/OutboxBatch.h"

#include <optional>

namespace SchoolServer {

// The sender's own connection to the school server.
class ServerLink
{
public:
    virtual ~ServerLink() = default;
    virtual bool connect() = 0;
    // The whole batch in one server transaction: true only once the server has committed it.
    // False when the server refused it or the connection broke, whether or not the commit
    // reached the server: sending it again is harmless.
    virtual bool send(const Batch &batch) = 0;
    virtual void disconnect() = 0;
    // The teacher's password hash kept on the server, once connected; none when none is chosen.
    virtual std::optional<QString> teacherHash() = 0;
};

} // namespace SchoolServer
