// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/RegisterSchema.h"

#include "register/FamilyMastery.h"
#include "register/ProcedureTallies.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace Register {

namespace {

    // The statements that bring version N-1 to version N, at index N-1. Never edit a published
    // step: add the next one.
    const QList<QStringList> &steps()
    {
        static const QList<QStringList> all {
            {
                QStringLiteral(
                    "CREATE TABLE pupils ("
                    " name_key TEXT PRIMARY KEY," // trimmed, blanks collapsed, case-folded
                    " display_name TEXT NOT NULL," // as first typed
                    " first_seen TEXT NOT NULL,"
                    " sent INTEGER NOT NULL DEFAULT 0)"),
                QStringLiteral(
                    "CREATE TABLE sessions ("
                    " id TEXT PRIMARY KEY," // UUID
                    " pupil_key TEXT NOT NULL REFERENCES pupils(name_key) ON DELETE CASCADE,"
                    " started_at TEXT NOT NULL," // local time, yyyy-MM-dd HH:mm:ss
                    " ended_at TEXT,"
                    " end_reason TEXT," // completata, interrotta; NULL while open
                    " mode INTEGER NOT NULL,"
                    " range_level INTEGER NOT NULL,"
                    " range_low INTEGER NOT NULL,"
                    " range_high INTEGER NOT NULL,"
                    " sent INTEGER NOT NULL DEFAULT 0)"),
                QStringLiteral("CREATE INDEX sessions_by_pupil ON sessions(pupil_key, started_at)"),
                QStringLiteral(
                    "CREATE TABLE answers ("
                    " session_id TEXT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,"
                    " operation_no INTEGER NOT NULL,"
                    " minuend INTEGER NOT NULL,"
                    " subtrahend INTEGER NOT NULL,"
                    " asked_term INTEGER NOT NULL," // 1 difference, 2 minuend, 3 subtrahend
                    " expected INTEGER NOT NULL,"
                    " typed TEXT NOT NULL,"
                    " is_right INTEGER NOT NULL,"
                    " seconds REAL NOT NULL,"
                    " error_label TEXT NOT NULL," // empty for a right answer
                    " answered_at TEXT NOT NULL,"
                    " sent INTEGER NOT NULL DEFAULT 0,"
                    " UNIQUE (session_id, operation_no))"),
                QStringLiteral(
                    "CREATE TABLE reviews ("
                    " session_id TEXT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,"
                    " review_no INTEGER NOT NULL,"
                    " done_at TEXT NOT NULL,"
                    " reviewed INTEGER NOT NULL,"
                    " now_right INTEGER NOT NULL,"
                    " sent INTEGER NOT NULL DEFAULT 0,"
                    " UNIQUE (session_id, review_no))"),
                QStringLiteral("CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
                QStringLiteral("CREATE INDEX unsent_answers ON answers(sent) WHERE sent = 0"),
            },
            {
                // Written when a session ends (ProcedureTallies); never sent to a school server.
                QStringLiteral(
                    "CREATE TABLE procedure_tallies ("
                    " session_id TEXT PRIMARY KEY REFERENCES sessions(id) ON DELETE CASCADE,"
                    " tallies TEXT NOT NULL)"),
            },
            {
                // The teacher's choice for a pupil's next practices: one row per pupil, gone with
                // the pupil.
                QStringLiteral(
                    "CREATE TABLE assignments ("
                    " pupil_key TEXT PRIMARY KEY REFERENCES pupils(name_key) ON DELETE CASCADE,"
                    " families TEXT NOT NULL," // family codes, blank-separated (FamilyCodes)
                    " range_level INTEGER NOT NULL," // 1..6; 0 lets the pupil's history choose
                    " set_at TEXT NOT NULL)"),
            },
            {
                // Each pupil's families learned, written when a session ends (FamilyMastery);
                // never sent to a school server.
                QStringLiteral(
                    "CREATE TABLE family_mastery ("
                    " pupil_key TEXT PRIMARY KEY REFERENCES pupils(name_key) ON DELETE CASCADE,"
                    " learned TEXT NOT NULL)"), // family codes, blank-separated (FamilyCodes)
            },
            {
                // The accommodations the teacher set for a pupil: one row per pupil with any,
                // gone with the pupil; never sent to a school server from a PC. A file brought
                // back to an older version by hand may still hold it.
                QStringLiteral(
                    "CREATE TABLE IF NOT EXISTS measures ("
                    " pupil_key TEXT PRIMARY KEY REFERENCES pupils(name_key) ON DELETE CASCADE,"
                    " time_hidden INTEGER NOT NULL,"
                    " exercise_size INTEGER NOT NULL," // operations per exercise, 5..10
                    " read_aloud INTEGER NOT NULL,"
                    " large_contrast INTEGER NOT NULL,"
                    " aid_offered INTEGER NOT NULL)"),
            },
        };
        return all;
    }

    // answers.aid_used, 1 when the number line was drawn for the operation before the answer;
    // added only where missing, as a file brought back to an older version by hand keeps it.
    QSqlError addAidColumn(QSqlDatabase &database)
    {
        if (database.record(QStringLiteral("answers")).contains(QStringLiteral("aid_used")))
            return QSqlError();
        QSqlQuery query(database);
        return query.exec(QStringLiteral(
                   "ALTER TABLE answers ADD COLUMN aid_used INTEGER NOT NULL DEFAULT 0"))
            ? QSqlError()
            : query.lastError();
    }

    // What a step's statements cannot do alone: the rows that the program's own rules compute.
    QSqlError fillAfterStep(int version, QSqlDatabase &database)
    {
        switch (version) {
        case 2:
            return keepMissingTallies(database);
        case 4:
            return keepMissingMastery(database);
        case 5:
            return addAidColumn(database);
        default:
            return QSqlError();
        }
    }

} // namespace

int fileVersion(QSqlDatabase &database, QSqlError *error)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        if (error)
            *error = query.lastError();
        return -1;
    }
    return query.value(0).toInt();
}

bool migrate(QSqlDatabase &database, QSqlError *error)
{
    const int from = fileVersion(database, error);
    if (from < 0)
        return false;
    if (from >= SchemaVersion)
        return true;
    QSqlQuery query(database);
    auto run = [&](const QString &statement) {
        if (query.exec(statement))
            return true;
        *error = query.lastError();
        return false;
    };
    if (!run(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    for (int version = from + 1; version <= SchemaVersion; ++version) {
        for (const QString &statement : steps().at(version - 1)) {
            if (!run(statement)) {
                database.rollback();
                return false;
            }
        }
        if (const QSqlError filled = fillAfterStep(version, database); filled.isValid()) {
            *error = filled;
            database.rollback();
            return false;
        }
        // PRAGMA takes no bound parameters; the version is our own constant.
        if (!run(QStringLiteral("PRAGMA user_version = %1").arg(version))) {
            database.rollback();
            return false;
        }
    }
    return run(QStringLiteral("COMMIT"));
}

} // namespace Register
