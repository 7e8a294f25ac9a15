// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/DayPoint.h"
#include "core/Hypothesis.h"
#include "core/RegisterStatus.h"
#include "core/SessionRecord.h"
#include "register/TeacherPassword.h"

#include <QDateTime>
#include <QList>
#include <QString>

// What the teacher's and the pupil's screens read from the register, and the teacher's deletions.
// Works on a connection of its own in the calling thread, beside the writer's.
namespace Register {

enum class Trend {
    None, // fewer than two sessions with answers
    Up,
    Down,
    Same,
};

struct PupilOverview
{
    QString key;
    QString name;
    int sessions = 0;
    QDateTime lastSession;
    int lastRightPercent = -1; // of the last session with answers; -1 when there is none
    Trend trend = Trend::None; // the last session against the (up to) four before it
    double medianSeconds = 0.0; // of the last session with answers
    QString recurringError; // the last session's most frequent recurring error, if any
    QList<Hypothesis::Found> openHypotheses; // the probable and confirmed ones over every day
};

struct SessionSummary
{
    QString id;
    QDateTime started;
    QString ending; // "completata", "interrotta", or empty for a session never closed
    int mode = 1;
    int rangeLevel = 1;
    int rangeLow = 0;
    int rangeHigh = 0;
    int judged = 0;
    int right = 0;
    double medianSeconds = 0.0;
    int reviewed = 0; // the latest review of its missed operations, none when 0
    int reviewedNowRight = 0;
};

struct StoredAnswer
{
    int operationNumber = 0;
    JudgedOperation operation; // seconds rounded as the report shows them
    double seconds = 0.0;
    QString errorLabel;
    QDateTime at;
};

struct Counts
{
    int pupils = 0;
    int sessions = 0;
    int answers = 0;
};

// The median of the values; the mean of the middle two for an even count; 0 for none.
double median(QList<double> values);
// The last percentage against the mean of the earlier ones: 5 points or more is a change.
Trend trendOf(const QList<int> &percentsOldestFirst);

class RegisterQueries final : public PasswordStore
{
public:
    explicit RegisterQueries(const QString &filePath);
    // Reads a register on a connection already open in this thread (a school server's), and
    // closes it at the end.
    RegisterQueries(const QString &connection, State state);
    ~RegisterQueries() override;
    RegisterQueries(const RegisterQueries &) = delete;
    RegisterQueries &operator=(const RegisterQueries &) = delete;

    // Ready, ReadOnly or Newer when the file could be read.
    State state() const { return m_state; }
    QString setAsideFile() const { return m_setAsideFile; }

    // One row per pupil, in name order.
    QList<PupilOverview> classOverview();
    // The pupil's sessions, oldest first.
    QList<SessionSummary> sessions(const QString &pupilKey);
    // One point per day with answers, oldest first.
    QList<DayPoint> progress(const QString &pupilKey);
    // The pupil's judged operations, session by session with each session's day, oldest first.
    QList<Hypothesis::DatedSession> datedSessions(const QString &pupilKey);
    // The session's judged operations in their order.
    QList<StoredAnswer> answers(const QString &sessionId);

    Counts countsOf(const QString &pupilKey);
    Counts countsOfAll();
    // Each leaves nothing of what it deleted in the file; false when the file cannot be written.
    bool deletePupil(const QString &pupilKey);
    bool emptyRegister();

    std::optional<QString> storedHash() override;
    bool storeHash(const QString &hash) override;

    QString connectionName() const { return m_connection; }

private:
    bool compact();

    QString m_connection;
    State m_state = State::Unavailable;
    QString m_setAsideFile;
};

} // namespace Register
