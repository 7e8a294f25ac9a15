// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "schoolserver/Outbox.h"
#include "schoolserver/ServerLink.h"

namespace SchoolServer {

// What the sender does each time its timer fires: take the next batch from the outbox, send it
// in one server transaction, mark it sent only once the server committed it. After a failure
// it waits 1, 2, 4 ... seconds, at most 30, and connects again.
class SenderMachine
{
public:
    static constexpr int BatchAnswers = 40; // a whole session at most
    static constexpr int IdleMilliseconds = 2000; // looking for new rows
    static constexpr int FirstRetryMilliseconds = 1000;
    static constexpr int LongestRetryMilliseconds = 30000;

    struct Step
    {
        int nextInMilliseconds = IdleMilliseconds;
        int answersSent = 0; // in this step, committed by the server and marked
    };

    SenderMachine(Outbox &outbox, ServerLink &link);

    Step step();
    // The last attempt to reach the server failed.
    bool serverAway() const { return m_failures > 0; }

private:
    Step failed();

    Outbox &m_outbox;
    ServerLink &m_link;
    bool m_connected = false;
    int m_failures = 0;
};

} // namespace SchoolServer
