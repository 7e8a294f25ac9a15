// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/DayPoint.h"
#include "core/Hypothesis.h"
#include "core/SessionRecord.h"
#include "core/TodayPlan.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// What the teacher's and the pupil's screens read from the register, in plain values.
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
    QList<Practice::Family> familiesLearned; // in teaching order
    std::optional<Practice::Assignment> assignment; // the teacher's, for the next practice
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
    int aidUses = 0; // answers given after the number line was drawn
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

// What today's practice and the pupil's map are chosen from, for one pupil.
struct PracticeFacts
{
    // Every judged answer, session by session with each session's day, oldest first, each with
    // its seconds rounded as the report shows them.
    QList<Hypothesis::DatedSession> history;
    // The probable and confirmed wrong procedures.
    QList<Hypothesis::Found> procedures;
    // What the teacher set for the pupil's next practice; none when nothing is set.
    std::optional<Practice::Assignment> assignment;
};

} // namespace Register
