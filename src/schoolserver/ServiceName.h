// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// The school server is named only by a libpq connection service ("[Registro] servizio=<name>" in
// the program's system-wide settings): where it is, who we are and the password stay in libpq's
// own files (pg_service.conf, .pgpass), never in ours. Kept apart from the connection itself, so
// that the program can tell whether it runs on a lab PC without loading Qt SQL.
namespace SchoolServer {

// The service's name; empty when the register stays on this PC, or when the name is not one a
// service file could hold (it would otherwise add options of its own to the connection).
QString serviceName();
bool isValidServiceName(const QString &name);

} // namespace SchoolServer
