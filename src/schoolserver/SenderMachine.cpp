// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/SenderMachine.h"

#include <algorithm>

namespace SchoolServer {

SenderMachine::SenderMachine(Outbox &outbox, ServerLink &link) : m_outbox(outbox), m_link(link) { }

SenderMachine::Step SenderMachine::step()
{
    const std::optional<Batch> batch = m_outbox.nextBatch(BatchAnswers);
    if (!batch || batch->isEmpty())
        return {};
    if (!m_connected && !(m_connected = m_link.connect()))
        return failed();
    const Delivery delivery = m_link.send(*batch);
    if (!delivery.committed) {
        // A refusal or a broken connection alike: a new connection at the next try.
        m_link.disconnect();
        m_connected = false;
        return failed();
    }
    m_failures = 0;
    // Not marked (a busy file): sent again next time, and the server keeps one copy.
    const bool marked = m_outbox.markSent(*batch, delivery.refused);
    int answers = batch->count(Table::Answers);
    for (int index : delivery.refused)
        answers -= batch->rows.at(index).table == Table::Answers ? 1 : 0;
    // More may be waiting: straight on while batches come full.
    return { marked && batch->count(Table::Answers) == BatchAnswers ? 0 : IdleMilliseconds,
        marked ? answers : 0 };
}

SenderMachine::Step SenderMachine::failed()
{
    ++m_failures;
    const int wait = FirstRetryMilliseconds << std::min(m_failures - 1, 5);
    return { std::min(wait, LongestRetryMilliseconds), 0 };
}

} // namespace SchoolServer
