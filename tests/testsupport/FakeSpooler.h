// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "desktop/Spooler.h"

#include <QStringList>

// A spooler that a test scripts: one default printer, jobs taken or refused, and the state
// every job reads as.
class FakeSpooler final : public Spooler
{
public:
    Destination destination { { PrinterState::Ready, QStringLiteral("Aula 3") }, "Aula_3" };
    int nextJob = 7; // the id of the next job taken; 0: jobs are refused
    QString refusal = QStringLiteral("Job refused");
    JobState jobsRead = JobState::Completed;

    QStringList submitted; // "queue file" for every file handed over
    int stateReads = 0;

    Destination defaultDestination() override { return destination; }
    int submit(const QByteArray &queue, const QString &path, QString &error) override
    {
        submitted.append(QString::fromUtf8(queue) + QLatin1Char(' ') + path);
        if (nextJob <= 0)
            error = refusal;
        return nextJob;
    }
    JobState jobState(int) override
    {
        ++stateReads;
        return jobsRead;
    }
};
