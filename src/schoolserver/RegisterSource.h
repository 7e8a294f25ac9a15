// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ReaderThread.h"
#include "register/RegisterPlace.h"
#include "register/RegisterQueries.h"

#include <memory>

namespace SchoolServer {

// A server that does not answer within this many seconds is taken as away.
constexpr int ReadConnectSeconds = 3;

// The school server's register as the teacher reads it, with the teacher's own login: the lab
// PCs' role reads nothing there. queries is set only when the login opened.
struct TeacherRegister
{
    Register::TeacherLogin login = Register::TeacherLogin::ServerAway;
    std::unique_ptr<Register::RegisterQueries> queries;
};

TeacherRegister openTeacherRegister(const QString &service, const QString &password);

QString serverAwayNotice();

// This PC's file for the screens' reader thread, with the teacher's password kept in it and
// its wrong tries counted in throttle; on a lab PC (the school server's service named) today's
// practice asks that server too.
Register::Opened openForScreens(
    const RegisterPlace &place, ThrottleStore *throttle, const QString &service = QString());

// The school server's register for the teacher's screen on a lab, opened by logging in as the
// teacher with this password, its wrong tries counted in throttle; for the reader's thread.
Register::Opened openTeacherForScreens(
    const QString &service, const QString &password, ThrottleStore *throttle);

} // namespace SchoolServer
