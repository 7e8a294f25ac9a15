// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ReaderThread.h"

#include <QHash>
#include <QSemaphore>
#include <memory>
#include <utility>

// A register in memory for the reading screens: what a test puts in it, or a failure on every
// read. A read can be held until the test lets it go, to see the screen while it waits.
class FakeReader final : public Register::Reader
{
public:
    struct Content
    {
        QList<Register::PupilOverview> pupils;
        QHash<QString, QList<Register::DayPoint>> days; // by pupil key
        QHash<QString, QList<Register::SessionSummary>> sessions;
        QHash<QString, Register::PracticeFacts> practice; // setAssignment changes it
        QHash<QString, Measures::PupilMeasures> measures; // setMeasures changes it
        bool failing = false;
        std::shared_ptr<QSemaphore> held; // each read takes one; none: reads go at once
    };

    explicit FakeReader(Content content) : m_content(std::move(content)) { }

    // A register opened with this content and no teacher's password.
    static Register::Opener opener(const Content &content);

    Register::State state() const override { return Register::State::Ready; }
    QString setAsideFile() const override { return {}; }
    bool takeFailure() override { return std::exchange(m_failed, false); }
    QList<Register::PupilOverview> classOverview() override;
    QList<Register::SessionSummary> sessions(const QString &pupilKey) override;
    QList<Register::DayPoint> progress(const QString &pupilKey) override;
    QList<Hypothesis::DatedTallies> datedTallies(const QString &) override { return {}; }
    QList<Register::StoredAnswer> answers(const QString &) override { return {}; }
    Register::PracticeFacts practiceFacts(const QString &pupilKey) override;
    Register::Counts countsOf(const QString &pupilKey) override;
    Register::Counts countsOfAll() override;
    bool deletePupil(const QString &) override { return false; }
    bool emptyRegister() override { return false; }
    bool setAssignment(
        const QString &pupilKey, const std::optional<Practice::Assignment> &assignment) override;
    int exportCsv(const QString &, const QString &, const std::function<void(int)> &) override
    {
        return -1;
    }
    Measures::PupilMeasures measures(const QString &pupilKey) override;
    bool setMeasures(const QString &pupilKey, const Measures::PupilMeasures &measures) override;

private:
    // Waits while the test holds the reads; marks the read failed when the content fails.
    void read();

    Content m_content;
    bool m_failed = false;
};
