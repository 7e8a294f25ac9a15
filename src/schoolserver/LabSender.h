// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>
#include <QThread>
#include <memory>

namespace SchoolServer {

class SenderWorker;

// Copies this PC's register to the school server from a thread of its own, on connections of
// its own: the screens never wait for the server. Rows the server has are removed from the
// PC a day after they were written.
class LabSender
{
public:
    LabSender(const QString &registerFile, const QString &service);
    ~LabSender();
    LabSender(const LabSender &) = delete;
    LabSender &operator=(const LabSender &) = delete;

    // The answers committed by the server since the start.
    int answersSent() const;

private:
    std::unique_ptr<QThread> m_thread;
    SenderWorker *m_worker = nullptr; // lives in m_thread
};

} // namespace SchoolServer
