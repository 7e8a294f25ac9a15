// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PasswordGate.h"
#include "core/RegisterStatus.h"

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

// The wrong tries so far and the end of the wait they earned, kept outside the screen so that
// closing it or restarting the program starts nothing again.
struct ThrottleState
{
    int wrongTries = 0;
    qint64 waitUntil = 0; // milliseconds since the epoch
};

class ThrottleStore
{
public:
    virtual ~ThrottleStore() = default;
    virtual ThrottleState throttle() = 0;
    virtual void storeThrottle(const ThrottleState &state) = 0;
};

// The teacher's password for the register's screen. On a PC it is kept only as an Argon2id
// hash; on a lab it is the teacher's own login on the school server, checked by logging in.
// After five wrong tries every try waits thirty seconds without being checked.
class TeacherPassword final : public PasswordGate
{
public:
    static constexpr int TriesBeforeWaiting = 5;
    static constexpr int WaitSeconds = 30;

    using ServerLogin = std::function<Register::TeacherLogin(const QString &password)>;

    // clock: milliseconds since the epoch; throttle: where the wrong tries are kept (in this
    // object alone when none is given).
    explicit TeacherPassword(PasswordStore &store, std::function<qint64()> clock = {},
        ThrottleStore *throttle = nullptr);
    TeacherPassword(ServerLogin login, ThrottleStore *throttle, std::function<qint64()> clock = {});

    bool isChosen() override { return m_login || m_store->storedHash().has_value(); }
    bool isEmpty() override;
    bool isOnServer() const override { return bool(m_login); }
    bool choose(const QString &password) override;
    Check check(const QString &password) override;
    Check change(const QString &oldPassword, const QString &newPassword) override;
    int secondsToWait() const override;

private:
    bool store(const QString &password);
    Check verify(const QString &password);
    ThrottleState throttleState() const;
    void keepThrottle(const ThrottleState &state);

    PasswordStore *m_store = nullptr;
    ServerLogin m_login;
    bool m_sodiumReady = false;
    std::function<qint64()> m_clock;
    ThrottleStore *m_throttle = nullptr;
    ThrottleState m_ownThrottle; // without a store
};
