// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PasswordGate.h"

#include <QString>
#include <functional>
#include <optional>

// Where the password's hash is kept: nothing stored means none was ever chosen; an empty text
// means the teacher chose none.
class PasswordStore
{
public:
    virtual ~PasswordStore() = default;
    virtual std::optional<QString> storedHash() = 0;
    virtual bool storeHash(const QString &hash) = 0;
};

// The teacher's password for the register's screen, kept only as an Argon2id hash. After five
// wrong tries every try waits thirty seconds without being checked.
class TeacherPassword final : public PasswordGate
{
public:
    static constexpr int TriesBeforeWaiting = 5;
    static constexpr int WaitSeconds = 30;

    // clock: milliseconds on a clock that never jumps.
    explicit TeacherPassword(PasswordStore &store, std::function<qint64()> clock = {});

    bool isChosen() override { return m_store.storedHash().has_value(); }
    bool isEmpty() override;
    bool choose(const QString &password) override;
    Check check(const QString &password) override;
    Check change(const QString &oldPassword, const QString &newPassword) override;
    int secondsToWait() const override;

private:
    bool store(const QString &password);

    PasswordStore &m_store;
    bool m_sodiumReady = false;
    std::function<qint64()> m_clock;
    int m_wrongTries = 0;
    qint64 m_waitUntil = 0;
};
