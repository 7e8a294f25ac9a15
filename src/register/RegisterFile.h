// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RegisterStatus.h"

#include <QDateTime>
#include <QString>

class QSqlError;

// Opening the register's SQLite file on a named connection of the calling thread, whatever state
// the file is in: a damaged file is moved aside and a new one started, a file of a newer version
// is opened read-only, a missing or protected disk and a file held by another copy of the program
// give a state instead of an error. Nothing here throws or asks anyone.
namespace Register {

struct Opening
{
    State state = State::Unavailable; // Ready: open for reading and writing
    QString setAsideFile; // the damaged file's new name, when one was moved aside
    bool isOpen() const
    {
        return state == State::Ready || state == State::ReadOnly || state == State::Newer;
    }
};

// Checking every page finds damage early but reads the whole file: the writer's thread does it,
// a screen that waits for the file does not (damage found later still moves the file aside).
enum class PageCheck { Whole, None };

Opening openFile(const QString &path, const QString &connection, PageCheck check);
// Closes and forgets the connection.
void closeFile(const QString &connection);

// What a failed statement says about the file: Busy, DiskFull, ReadOnly or Unavailable.
State stateOf(const QSqlError &error);
// The file is damaged (not a database, or a corrupt page).
bool isDamage(const QSqlError &error);
// A row the file refuses for good (a constraint), as opposed to a file that cannot take any.
bool isRefusedRow(const QSqlError &error);

// Moves the damaged file (and its journal) aside as "registro-danneggiato-<aaaammgg-hhmmss>.sqlite"
// in the same folder; the new name, or empty when it could not be moved.
QString setAside(const QString &path, const QDateTime &now);

} // namespace Register
