// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QDateTime>
#include <QString>

class QSqlDatabase;
class QSqlError;

// The register's tables, versioned by PRAGMA user_version. Every table keys its rows by values
// that mean the same on any machine (the pupil's name key, the session's UUID, the operation's
// number) and marks each row "sent" = 0 until a school server has a copy, so that a sender can
// copy unsent rows in order of rowid and mark them.
namespace Register {

constexpr int SchemaVersion = 5;

// Times are stored as local time in this form, which spreadsheets read as a date and time.
inline QString storedTime(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// The file's version: 0 for a new file, -1 when it cannot be read.
int fileVersion(QSqlDatabase &database, QSqlError *error = nullptr);
// Brings an older file to SchemaVersion in one transaction; false, changing nothing, on failure.
bool migrate(QSqlDatabase &database, QSqlError *error);

} // namespace Register
