// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/Hypothesis.h"
#include "core/PupilMeasures.h"
#include "core/RegisterStatus.h"
#include "core/RegisterValues.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace Register {

// What the teacher's and the pupil's screens read from the register, and the teacher's changes
// to it. One reader works on one connection, in the thread that opened it.
class Reader
{
public:
    virtual ~Reader() = default;

    // Ready, ReadOnly or Newer when the register could be read.
    virtual State state() const = 0;
    virtual QString setAsideFile() const = 0;
    // Whether a read or a change failed since the last call: what it returned is not the
    // register's whole content. Clears the mark.
    virtual bool takeFailure() = 0;

    // One row per pupil, in name order.
    virtual QList<PupilOverview> classOverview() = 0;
    // The pupil's sessions, oldest first.
    virtual QList<SessionSummary> sessions(const QString &pupilKey) = 0;
    // One point per day with answers, oldest first.
    virtual QList<DayPoint> progress(const QString &pupilKey) = 0;
    // The tallies of the wrong procedures of each of the pupil's sessions, with its day, in no
    // particular order: what the pupil's hypotheses are judged from.
    virtual QList<Hypothesis::DatedTallies> datedTallies(const QString &pupilKey) = 0;
    // The session's judged operations in their order.
    virtual QList<StoredAnswer> answers(const QString &sessionId) = 0;
    // What the pupil's practice of today is chosen from.
    virtual PracticeFacts practiceFacts(const QString &pupilKey) = 0;

    virtual Counts countsOf(const QString &pupilKey) = 0;
    virtual Counts countsOfAll() = 0;
    // Each leaves nothing of what it deleted; false when the register cannot be written.
    virtual bool deletePupil(const QString &pupilKey) = 0;
    virtual bool emptyRegister() = 0;
    // Sets the families (and range) the pupil's next practices keep to, or clears them (none);
    // false when the register cannot be written or knows no such pupil.
    virtual bool setAssignment(
        const QString &pupilKey, const std::optional<Practice::Assignment> &assignment) = 0;
    // The answers of one pupil or (an empty key) of all as a CSV file; the rows written, or -1
    // when the file cannot be written. progress hears the rows written so far now and then.
    virtual int exportCsv(const QString &pupilKey, const QString &filePath,
        const std::function<void(int rows)> &progress) = 0;
    // The accommodations the teacher set for the pupil; the default value when none is set.
    virtual Measures::PupilMeasures measures(const QString &pupilKey) = 0;
    // Keeps them for the pupil (the default value keeps nothing); false when the register cannot
    // be written or knows no such pupil.
    virtual bool setMeasures(const QString &pupilKey, const Measures::PupilMeasures &measures) = 0;
};

} // namespace Register
