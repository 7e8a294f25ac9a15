// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilRegister.h"
#include "core/RegisterStatus.h"
#include "register/RegisterPlace.h"
#include "register/RegisterRows.h"

#include <QThread>
#include <memory>

namespace Register {
class RegisterWriter;
}

// The register in an SQLite file, written by a thread of its own. Nothing is opened, and no
// database driver loaded, before the first session starts; switched off, it never opens a file.
class SqliteRegister final : public PupilRegister
{
public:
    explicit SqliteRegister(const RegisterPlace &place);
    ~SqliteRegister() override;

    void sessionStarted(const Register::SessionStart &start) override;
    void answerJudged(const Register::Answer &answer) override;
    void sessionEnded(const Register::SessionEnd &end) override;
    void reviewDone(const Register::Review &review) override;

    Register::Status status() const { return m_status.get(); }
    const RegisterPlace &place() const { return m_place; }
    // Returns once every row handed over so far is written or waiting for another try.
    void waitUntilWritten();

private:
    void hand(Register::Row row);

    RegisterPlace m_place;
    Register::StatusBoard m_status;
    std::unique_ptr<QThread> m_thread;
    Register::RegisterWriter *m_writer = nullptr; // lives in m_thread, deleted when it ends
    QString m_sessionId; // the current session's key; empty before the first
    bool m_sessionOpen = false; // started and not yet ended
};
