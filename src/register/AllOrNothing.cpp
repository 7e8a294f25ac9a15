// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/AllOrNothing.h"

namespace Register {

bool allOrNothing(QSqlDatabase &database, const std::function<bool(QSqlQuery &)> &statements)
{
    if (!database.transaction())
        return false;
    QSqlQuery query(database);
    if (!statements(query)) {
        database.rollback();
        return false;
    }
    return database.commit();
}

} // namespace Register
