// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/TeacherPassword.h"

#include <QElapsedTimer>
#include <sodium.h>

TeacherPassword::TeacherPassword(PasswordStore &store, std::function<qint64()> clock)
    : m_store(store), m_clock(std::move(clock))
{
    // Safe to call again. Without it the library must not be used: every try is then wrong.
    m_sodiumReady = sodium_init() >= 0;
    if (!m_clock) {
        m_clock = [timer = std::make_shared<QElapsedTimer>()] {
            if (!timer->isValid())
                timer->start();
            return timer->elapsed();
        };
    }
}

bool TeacherPassword::isEmpty()
{
    const std::optional<QString> hash = m_store.storedHash();
    return !hash || hash->isEmpty();
}

bool TeacherPassword::choose(const QString &password)
{
    return !isChosen() && store(password);
}

TeacherPassword::Check TeacherPassword::check(const QString &password)
{
    if (secondsToWait() > 0)
        return Check::Waiting;
    const QString hash = m_store.storedHash().value_or(QString());
    const QByteArray typed = password.toUtf8();
    const bool right = hash.isEmpty() ? typed.isEmpty()
                                      : m_sodiumReady
            && crypto_pwhash_str_verify(
                   hash.toLatin1().constData(), typed.constData(), typed.size())
                == 0;
    if (right) {
        m_wrongTries = 0;
        return Check::Right;
    }
    if (++m_wrongTries >= TriesBeforeWaiting) {
        m_wrongTries = 0;
        m_waitUntil = m_clock() + WaitSeconds * 1000;
    }
    return Check::Wrong;
}

TeacherPassword::Check TeacherPassword::change(
    const QString &oldPassword, const QString &newPassword)
{
    const Check checked = check(oldPassword);
    if (checked != Check::Right)
        return checked;
    return store(newPassword) ? Check::Right : Check::Wrong;
}

int TeacherPassword::secondsToWait() const
{
    const qint64 left = m_waitUntil - m_clock();
    return left > 0 ? static_cast<int>((left + 999) / 1000) : 0;
}

bool TeacherPassword::store(const QString &password)
{
    if (password.isEmpty())
        return m_store.storeHash(QString());
    if (!m_sodiumReady)
        return false;
    const QByteArray typed = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, typed.constData(), typed.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        return false;
    return m_store.storeHash(QString::fromLatin1(hash));
}
