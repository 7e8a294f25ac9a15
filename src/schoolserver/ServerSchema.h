// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

namespace SchoolServer {

// True when the server has the register's tables, making them first, from the part of
// scripts/registro-postgresql.sql that the administrator runs too, when they are missing and
// the connection's role may create them.
bool ensureTables(const QString &connection);

} // namespace SchoolServer
