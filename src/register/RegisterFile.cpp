// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/RegisterFile.h"

#include "register/RegisterSchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Register {

namespace {

    // SQLite's primary result codes, from sqlite3.h.
    constexpr int Busy = 5;
    constexpr int Locked = 6;
    constexpr int ReadOnlyCode = 8;
    constexpr int Corrupt = 11;
    constexpr int Full = 13;
    constexpr int Constraint = 19;
    constexpr int NotADatabase = 26;

    // The writer's thread and the teacher's screens may open the file at once: only one of them
    // may find it damaged and move it aside.
    QMutex openingMutex;

    int primaryCode(const QSqlError &error)
    {
        // Extended codes carry the primary one in their low byte.
        return error.nativeErrorCode().toInt() & 0xff;
    }

    QSqlDatabase connect(const QString &path, const QString &connection, bool readOnly)
    {
        QSqlDatabase database = QSqlDatabase::contains(connection)
            ? QSqlDatabase::database(connection, false)
            : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        // Another copy of the program may be writing one answer: wait for it rather than fail.
        database.setConnectOptions(readOnly
                ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000;QSQLITE_OPEN_READONLY")
                : QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        database.open();
        return database;
    }

    bool passesQuickCheck(QSqlDatabase &database)
    {
        QSqlQuery query(database);
        return query.exec(QStringLiteral("PRAGMA quick_check(1)")) && query.next()
            && query.value(0).toString() == QLatin1String("ok");
    }

    bool exec(QSqlDatabase &database, const QString &statement, QSqlError *error)
    {
        QSqlQuery query(database);
        if (query.exec(statement))
            return true;
        *error = query.lastError();
        return false;
    }

} // namespace

State stateOf(const QSqlError &error)
{
    switch (primaryCode(error)) {
    case Busy:
    case Locked:
        return State::Busy;
    case Full:
        return State::DiskFull;
    case ReadOnlyCode:
        return State::ReadOnly;
    default:
        return State::Unavailable;
    }
}

bool isDamage(const QSqlError &error)
{
    const int code = primaryCode(error);
    return code == Corrupt || code == NotADatabase;
}

bool isRefusedRow(const QSqlError &error)
{
    return primaryCode(error) == Constraint;
}

QString setAside(const QString &path, const QDateTime &now)
{
    const QFileInfo file(path);
    const QString stamp = now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = QStringLiteral("registro-danneggiato-%1.sqlite").arg(stamp);
    for (int n = 2; QFileInfo::exists(file.dir().filePath(name)); ++n)
        name = QStringLiteral("registro-danneggiato-%1-%2.sqlite").arg(stamp).arg(n);
    const QString target = file.dir().filePath(name);
    if (!QFile::rename(path, target))
        return QString();
    // The journal belongs to the damaged file; the shared-memory index is rebuilt from nothing.
    QFile::rename(path + QStringLiteral("-wal"), target + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    return name;
}

Opening openFile(const QString &path, const QString &connection, PageCheck check)
{
    QMutexLocker lock(&openingMutex);
    Opening opening;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return opening;
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlDatabase database = connect(path, connection, false);
        if (!database.isOpen()) {
            opening.state = stateOf(database.lastError());
            return opening;
        }
        QSqlError error;
        const int version = fileVersion(database, &error);
        const bool damaged = version < 0 ? isDamage(error)
                                         : check == PageCheck::Whole && !passesQuickCheck(database);
        if (damaged) {
            database.close();
            opening.setAsideFile = setAside(path, QDateTime::currentDateTime());
            if (opening.setAsideFile.isEmpty())
                return opening;
            continue;
        }
        if (version < 0) {
            opening.state = stateOf(error);
            database.close();
            return opening;
        }
        if (version > SchemaVersion) {
            database.close();
            opening.state =
                connect(path, connection, true).isOpen() ? State::Newer : State::Unavailable;
            return opening;
        }
        if (QFileInfo::exists(path) && !QFileInfo(path).isWritable()) {
            opening.state = State::ReadOnly;
            return opening;
        }
        // Each commit reaches the disk before the writer moves on: an answer whose verdict was
        // shown survives a killed program and a power cut.
        if (!exec(database, QStringLiteral("PRAGMA journal_mode = WAL"), &error)
            || !exec(database, QStringLiteral("PRAGMA synchronous = FULL"), &error)
            || !exec(database, QStringLiteral("PRAGMA foreign_keys = ON"), &error)
            || !migrate(database, &error)) {
            opening.state = stateOf(error);
            database.close();
            return opening;
        }
        opening.state = State::Ready;
        return opening;
    }
    return opening;
}

void closeFile(const QString &connection)
{
    {
        QSqlDatabase database = QSqlDatabase::database(connection, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace Register
