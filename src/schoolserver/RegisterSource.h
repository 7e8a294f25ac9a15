// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

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

} // namespace SchoolServer
