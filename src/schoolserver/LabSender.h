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
    static constexpr int QuitWaitMilliseconds = 1000;

    // The first look at the register comes after firstStepMilliseconds: at the program's start,
    // once its first screen is up.
    LabSender(
        const QString &registerFile, const QString &service, int firstStepMilliseconds = 3000);
    ~LabSender();
    LabSender(const LabSender &) = delete;
    LabSender &operator=(const LabSender &) = delete;

private:
    std::unique_ptr<QThread> m_thread;
    SenderWorker *m_worker = nullptr; // lives in m_thread
};

} // namespace SchoolServer
