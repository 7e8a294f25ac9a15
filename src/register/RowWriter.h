// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "register/RegisterRows.h"

#include <QSqlDatabase>
#include <QSqlError>

namespace Register {

// Writes one row on an open connection: in a transaction of its own, or in the caller's when
// one is open. An answer already kept is not stored twice. The error, invalid on success.
QSqlError writeRow(QSqlDatabase database, const Row &row);

// Ends as "interrotta" every session a killed program left open, but `currentId`: at its last
// answer, or at its start when it has none.
QSqlError closeSessionsLeftOpen(QSqlDatabase database, const QString &currentId);

} // namespace Register
