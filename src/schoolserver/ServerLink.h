// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "schoolserver/OutboxBatch.h"

namespace SchoolServer {

// What became of a batch sent to the server.
struct Delivery
{
    bool committed = false;
    // Once committed: the rows the server refused for good (their data, not the connection),
    // by index in the batch, with the answers and reviews of a refused session. They are set
    // aside on the PC rather than tried again, so that they never hold up the rest.
    QList<int> refused;
};

// The sender's own connection to the school server.
class ServerLink
{
public:
    virtual ~ServerLink() = default;
    virtual bool connect() = 0;
    // The whole batch in one server transaction: committed only once the server has committed
    // it. Not committed when the server refused the whole of it or the connection broke,
    // whether or not the commit reached the server: sending it again is harmless.
    virtual Delivery send(const Batch &batch) = 0;
    virtual void disconnect() = 0;
};

} // namespace SchoolServer
