// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ReaderThread.h"
#include "core/RegisterStatus.h"

#include <QString>

class PupilRegister;
class ThrottleStore;
struct RegisterPlace;

// The register's file and the school server, both reached through Qt SQL: they live in a module
// of their own that the program loads on the register's first need, so that neither Qt SQL nor
// the password hashing weighs on the start.
class RegisterStore
{
public:
    virtual ~RegisterStore() = default;

    // This PC's register, opened at place on the first call; the same one afterwards.
    virtual PupilRegister &pupilRegister(const RegisterPlace &place) = 0;
    // What the register went through in this run, with the rows the school server set aside.
    virtual Register::Status status() = 0;
    // The openings for a reader's thread, called there (see SchoolServer::openForScreens and
    // SchoolServer::openTeacherForScreens).
    virtual Register::Opened openForScreens(
        const RegisterPlace &place, ThrottleStore *throttle, const QString &service) = 0;
    virtual Register::Opened openTeacherForScreens(
        const QString &service, const QString &password, ThrottleStore *throttle) = 0;
    // Starts copying this PC's register to the school server, until the store ends.
    virtual void startLabSender(const QString &registerFile, const QString &service) = 0;
};

// The module's one entry point, looked up by this name: it returns a new object.
inline constexpr char CreateRegisterStoreSymbol[] = "vovorudorozCreateRegisterStore";
// The module's file name in the program folder, without the platform's prefix and suffix.
inline constexpr char StoreModuleName[] = "vovorudoroz_store";
