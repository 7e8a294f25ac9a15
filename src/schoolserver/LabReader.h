// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "register/RegisterQueries.h"

#include <memory>

namespace SchoolServer {

// The pupil's screens' register on a lab PC: the PC's own file, and for today's practice what
// the school server gives about that one pupil too (the PC's file holds only its own recent
// sessions), and the pupil's accommodations, which the teacher sets there; the file alone while
// the server does not answer.
class LabReader final : public Register::Reader
{
public:
    LabReader(std::unique_ptr<Register::RegisterQueries> file, const QString &service);

    Register::RegisterQueries &file() { return *m_file; }

    Register::State state() const override { return m_file->state(); }
    QString setAsideFile() const override { return m_file->setAsideFile(); }
    bool takeFailure() override { return m_file->takeFailure(); }
    QList<Register::PupilOverview> classOverview() override { return m_file->classOverview(); }
    QList<Register::SessionSummary> sessions(const QString &pupilKey) override
    {
        return m_file->sessions(pupilKey);
    }
    QList<Register::DayPoint> progress(const QString &pupilKey) override
    {
        return m_file->progress(pupilKey);
    }
    QList<Hypothesis::DatedTallies> datedTallies(const QString &pupilKey) override
    {
        return m_file->datedTallies(pupilKey);
    }
    QList<Register::StoredAnswer> answers(const QString &sessionId) override
    {
        return m_file->answers(sessionId);
    }
    Register::PracticeFacts practiceFacts(const QString &pupilKey) override;
    Register::Counts countsOf(const QString &pupilKey) override
    {
        return m_file->countsOf(pupilKey);
    }
    Register::Counts countsOfAll() override { return m_file->countsOfAll(); }
    bool deletePupil(const QString &pupilKey) override { return m_file->deletePupil(pupilKey); }
    bool emptyRegister() override { return m_file->emptyRegister(); }
    bool setAssignment(
        const QString &pupilKey, const std::optional<Practice::Assignment> &assignment) override
    {
        return m_file->setAssignment(pupilKey, assignment);
    }
    int exportCsv(const QString &pupilKey, const QString &filePath,
        const std::function<void(int rows)> &progress) override
    {
        return m_file->exportCsv(pupilKey, filePath, progress);
    }
    Measures::PupilMeasures measures(const QString &pupilKey) override;
    bool setMeasures(const QString &pupilKey, const Measures::PupilMeasures &measures) override
    {
        return m_file->setMeasures(pupilKey, measures);
    }

private:
    std::unique_ptr<Register::RegisterQueries> m_file;
    QString m_service;
};

} // namespace SchoolServer
