// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// What the teacher sets for one pupil and the register keeps beside the sessions: the families
// assigned for today's practice and the measures of the pupil's personal plan. A row is kept only
// for a pupil the register knows, and goes with the pupil.
#include "register/RegisterQueries.h"

#include "core/FamilyCodes.h"
#include "core/MeasureValues.h"
#include "register/RegisterSchema.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace Register {

std::optional<Practice::Assignment> RegisterQueries::assignmentOf(const QString &pupilKey)
{
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    // A file of an older version opened read-only has no assignments: none is set.
    if (!database.tables().contains(QStringLiteral("assignments")))
        return std::nullopt;
    QSqlQuery query(database);
    query.prepare(
        QStringLiteral("SELECT families, range_level FROM assignments WHERE pupil_key = ?"));
    query.addBindValue(pupilKey);
    std::optional<Practice::Assignment> assignment;
    if (query.exec() && query.next())
        assignment = Practice::Assignment { Practice::familiesOfCodes(query.value(0).toString()),
            query.value(1).toInt() };
    check(query);
    return assignment;
}

bool RegisterQueries::setAssignment(
    const QString &pupilKey, const std::optional<Practice::Assignment> &assignment)
{
    if (m_state != State::Ready)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!assignment) {
        query.prepare(QStringLiteral("DELETE FROM assignments WHERE pupil_key = ?"));
        query.addBindValue(pupilKey);
        return query.exec();
    }
    // Only for a pupil the register knows: a row of its own would outlive no one.
    query.prepare(
        QStringLiteral("INSERT INTO assignments (pupil_key, families, range_level, set_at)"
                       " SELECT name_key, ?, ?, ? FROM pupils WHERE name_key = ?"
                       " ON CONFLICT (pupil_key) DO UPDATE SET families = excluded.families,"
                       " range_level = excluded.range_level, set_at = excluded.set_at"));
    query.addBindValue(Practice::familyCodes(assignment->families));
    query.addBindValue(assignment->rangeLevel);
    query.addBindValue(storedTime(QDateTime::currentDateTime()));
    query.addBindValue(pupilKey);
    return query.exec() && query.numRowsAffected() == 1;
}

Measures::PupilMeasures RegisterQueries::measures(const QString &pupilKey)
{
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    // A file of an older version opened read-only has no measures: none are set.
    if (!database.tables().contains(QStringLiteral("measures")))
        return {};
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT time_hidden, exercise_size, read_aloud, large_contrast,"
                                 " aid_offered FROM measures WHERE pupil_key = ?"));
    query.addBindValue(pupilKey);
    Measures::PupilMeasures set;
    if (query.exec() && query.next())
        set = Measures::measuresOf(query.value(0).toInt() != 0, query.value(1).toInt(),
            query.value(2).toInt() != 0, query.value(3).toInt() != 0, query.value(4).toInt() != 0);
    check(query);
    return set;
}

bool RegisterQueries::setMeasures(const QString &pupilKey, const Measures::PupilMeasures &measures)
{
    if (m_state != State::Ready)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // The default keeps nothing: a pupil without measures leaves no row.
    if (!measures.any()) {
        query.prepare(QStringLiteral("DELETE FROM measures WHERE pupil_key = ?"));
        query.addBindValue(pupilKey);
        return query.exec();
    }
    // Only for a pupil the register knows: a row of its own would outlive no one.
    query.prepare(QStringLiteral(
        "INSERT INTO measures (pupil_key, time_hidden, exercise_size, read_aloud, large_contrast,"
        " aid_offered) SELECT name_key, ?, ?, ?, ?, ? FROM pupils WHERE name_key = ?"
        " ON CONFLICT (pupil_key) DO UPDATE SET time_hidden = excluded.time_hidden,"
        " exercise_size = excluded.exercise_size, read_aloud = excluded.read_aloud,"
        " large_contrast = excluded.large_contrast, aid_offered = excluded.aid_offered"));
    const Measures::PupilMeasures kept = Measures::measuresOf(measures.timeHidden,
        measures.exerciseSize, measures.readAloud, measures.largeContrast, measures.aidOffered);
    query.addBindValue(kept.timeHidden ? 1 : 0);
    query.addBindValue(kept.exerciseSize);
    query.addBindValue(kept.readAloud ? 1 : 0);
    query.addBindValue(kept.largeContrast ? 1 : 0);
    query.addBindValue(kept.aidOffered ? 1 : 0);
    query.addBindValue(pupilKey);
    return query.exec() && query.numRowsAffected() == 1;
}

} // namespace Register
