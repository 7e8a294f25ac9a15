// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <functional>

namespace Register {

// Runs the statements in one transaction of the database: committed when every one succeeded
// (statements returns true), rolled back otherwise, so a change is in the file whole or not at all.
bool allOrNothing(QSqlDatabase &database, const std::function<bool(QSqlQuery &)> &statements);

} // namespace Register
