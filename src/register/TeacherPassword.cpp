// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/TeacherPassword.h"

#include <QDateTime>
#include <sodium.h>

namespace {

std::function<qint64()> wallClock(std::function<qint64()> clock)
{
    return clock ? std::move(clock) : [] { return QDateTime::currentMSecsSinceEpoch(); };
}

} // namespace

TeacherPassword::TeacherPassword(
    PasswordStore &store, std::function<qint64()> clock, ThrottleStore *throttle)
    : m_store(&store), m_clock(wallClock(std::move(clock))), m_throttle(throttle)
{
    // Safe to call again. Without it the library must not be used: every try is then wrong.
    m_sodiumReady = sodium_init() >= 0;
}

TeacherPassword::TeacherPassword(
    ServerLogin login, ThrottleStore *throttle, std::function<qint64()> clock)
    : m_login(std::move(login)), m_clock(wallClock(std::move(clock))), m_throttle(throttle)
{
}

bool TeacherPassword::isEmpty()
{
    if (m_login)
        return false;
    const std::optional<QString> hash = m_store->storedHash();
    return !hash || hash->isEmpty();
}

bool TeacherPassword::choose(const QString &password)
{
    return !isChosen() && store(password);
}

TeacherPassword::Check TeacherPassword::verify(const QString &password)
{
    if (m_login) {
        switch (m_login(password)) {
        case Register::TeacherLogin::Opened:
            return Check::Right;
        case Register::TeacherLogin::WrongPassword:
            return Check::Wrong;
        case Register::TeacherLogin::ServerAway:
            return Check::ServerAway;
        }
    }
    const QString hash = m_store->storedHash().value_or(QString());
    const QByteArray typed = password.toUtf8();
    const bool right = hash.isEmpty() ? typed.isEmpty()
                                      : m_sodiumReady
            && crypto_pwhash_str_verify(
                   hash.toLatin1().constData(), typed.constData(), typed.size())
                == 0;
    return right ? Check::Right : Check::Wrong;
}

TeacherPassword::Check TeacherPassword::check(const QString &password)
{
    if (secondsToWait() > 0)
        return Check::Waiting;
    const Check checked = verify(password);
    ThrottleState state = throttleState();
    if (checked == Check::Right) {
        if (state.wrongTries > 0)
            keepThrottle({});
    } else if (checked == Check::Wrong) {
        if (++state.wrongTries >= TriesBeforeWaiting)
            state = { 0, m_clock() + WaitSeconds * 1000 };
        keepThrottle(state);
    }
    return checked;
}

TeacherPassword::Check TeacherPassword::change(
    const QString &oldPassword, const QString &newPassword)
{
    if (m_login)
        return Check::NotKept;
    const Check checked = check(oldPassword);
    if (checked != Check::Right)
        return checked;
    return store(newPassword) ? Check::Right : Check::NotKept;
}

int TeacherPassword::secondsToWait() const
{
    // A clock set back never makes the wait longer than one wait.
    const qint64 left = std::min<qint64>(throttleState().waitUntil - m_clock(), WaitSeconds * 1000);
    return left > 0 ? static_cast<int>((left + 999) / 1000) : 0;
}

ThrottleState TeacherPassword::throttleState() const
{
    return m_throttle ? m_throttle->throttle() : m_ownThrottle;
}

void TeacherPassword::keepThrottle(const ThrottleState &state)
{
    if (m_throttle)
        m_throttle->storeThrottle(state);
    else
        m_ownThrottle = state;
}

bool TeacherPassword::store(const QString &password)
{
    if (m_login)
        return false;
    // An empty text, never a null one: "no password" is a choice kept like any other.
    if (password.isEmpty())
        return m_store->storeHash(QStringLiteral(""));
    if (!m_sodiumReady)
        return false;
    const QByteArray typed = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, typed.constData(), typed.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        return false;
    return m_store->storeHash(QString::fromLatin1(hash));
}
