// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ReaderThread.h"
#include "register/RegisterPlace.h"
#include "register/RegisterQueries.h"

#include <memory>

namespace SchoolServer {

// Where "REGISTRO DELLA CLASSE" and "I miei progressi" read: the school server's register, the
// whole class from any PC, or, without a server or with the server away, this PC's file.
struct RegisterSource
{
    std::unique_ptr<Register::RegisterQueries> queries;
    bool fromServer = false;
    QString notice; // one line for the screen, empty when there is nothing to say
};

// A server that does not answer within this many seconds is taken as away.
constexpr int ReadConnectSeconds = 3;

RegisterSource openRegisterSource(const RegisterPlace &place, const QString &service);

QString serverAwayNotice();

// The same, with the teacher's password kept in it, for the screens' reader thread.
Register::Opened openForScreens(const RegisterPlace &place, const QString &service);

} // namespace SchoolServer
