// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// The teacher's password in front of the register's screen, as the screen uses it.
class PasswordGate
{
public:
    // ServerAway: a lab's school server did not answer the login; NotKept: the new password
    // could not be stored.
    enum class Check { Right, Wrong, Waiting, ServerAway, NotKept };

    virtual ~PasswordGate() = default;

    virtual bool isChosen() = 0;
    virtual bool isEmpty() = 0;
    // On a lab the password is the teacher's login on the school server: it is neither chosen
    // nor changed here.
    virtual bool isOnServer() const = 0;
    // The first choice; false when one was chosen already or it cannot be stored.
    virtual bool choose(const QString &password) = 0;
    virtual Check check(const QString &password) = 0;
    // Needs the old password, and counts a wrong one as a wrong try.
    virtual Check change(const QString &oldPassword, const QString &newPassword) = 0;
    // Whole seconds still to wait, rounded up; 0 when a try is checked now.
    virtual int secondsToWait() const = 0;
};
