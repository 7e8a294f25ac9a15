// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "schoolserver/OutboxBatch.h"

#include <optional>

namespace SchoolServer {

// The rows of this PC's register that the school server does not have yet.
class Outbox
{
public:
    virtual ~Outbox() = default;
    // Up to `answers` unsent answers in the order written, with every unsent row before them
    // and the parents they need; nothing when the PC's file cannot be read now.
    virtual std::optional<Batch> nextBatch(int answers) = 0;
    // After the server committed the batch; a row changed meanwhile stays unsent. The rows at
    // the indexes `refused` are set aside: never sent again, and counted for the teacher.
    virtual bool markSent(const Batch &batch, const QList<int> &refused) = 0;
};

} // namespace SchoolServer
