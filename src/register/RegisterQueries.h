// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RegisterReader.h"
#include "register/TeacherPassword.h"

#include <utility>

class QSqlQuery;

// The register's reader on SQL: this PC's SQLite file, or a school server's connection. Works on
// a connection of its own in the calling thread, beside the writer's.
namespace Register {

// The median of the values; the mean of the middle two for an even count; 0 for none.
double median(QList<double> values);
// The last percentage against the mean of the earlier ones: 5 points or more is a change.
Trend trendOf(const QList<int> &percentsOldestFirst);

// The register's reader on its file or its server. What the teacher sets for one pupil (the
// assigned families, the measures) is in PupilSettingsQueries.cpp.
class RegisterQueries final : public Reader, public PasswordStore
{
public:
    explicit RegisterQueries(const QString &filePath);
    // Reads a register on a connection already open in this thread (a school server's), and
    // closes it at the end.
    RegisterQueries(const QString &connection, State state);
    ~RegisterQueries() override;
    RegisterQueries(const RegisterQueries &) = delete;
    RegisterQueries &operator=(const RegisterQueries &) = delete;

    State state() const override { return m_state; }
    QString setAsideFile() const override { return m_setAsideFile; }
    bool takeFailure() override { return std::exchange(m_failed, false); }

    QList<PupilOverview> classOverview() override;
    QList<SessionSummary> sessions(const QString &pupilKey) override;
    QList<DayPoint> progress(const QString &pupilKey) override;
    QList<Hypothesis::DatedTallies> datedTallies(const QString &pupilKey) override;
    QList<StoredAnswer> answers(const QString &sessionId) override;
    PracticeFacts practiceFacts(const QString &pupilKey) override;

    Counts countsOf(const QString &pupilKey) override;
    Counts countsOfAll() override;
    bool deletePupil(const QString &pupilKey) override;
    bool emptyRegister() override;
    bool setAssignment(
        const QString &pupilKey, const std::optional<Practice::Assignment> &assignment) override;
    int exportCsv(const QString &pupilKey, const QString &filePath,
        const std::function<void(int rows)> &progress) override;
    Measures::PupilMeasures measures(const QString &pupilKey) override;
    bool setMeasures(const QString &pupilKey, const Measures::PupilMeasures &measures) override;

    std::optional<QString> storedHash() override;
    bool storeHash(const QString &hash) override;

    QString connectionName() const { return m_connection; }
    // The pupil's judged operations, session by session with each session's day, oldest first:
    // what the kept tallies are checked against.
    QList<Hypothesis::DatedSession> datedSessions(const QString &pupilKey);

private:
    QList<Hypothesis::DatedSession> datedSessionsOf(const QString &pupilKey, bool withSeconds);
    std::optional<Practice::Assignment> assignmentOf(const QString &pupilKey);
    bool compact();
    // Marks the reader as failed when the query's last step failed.
    void check(const QSqlQuery &query);

    QString m_connection;
    State m_state = State::Unavailable;
    QString m_setAsideFile;
    bool m_failed = false;
};

} // namespace Register
