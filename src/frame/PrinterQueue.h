// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>
#include <functional>

// The default printer as the spooler describes it before anything is sent.
struct PrinterState
{
    enum Kind {
        None, // no printer at all
        Ready, // idle or busy, and taking jobs
        Stopped, // paused: a job would wait in the queue
        Rejecting, // refuses new jobs
    };
    Kind kind = None;
    QString name; // the printer's name as the desktop shows it
};

// How a job that was accepted can still end without a page.
enum class JobFailure {
    Aborted, // the printer or its driver gave up
    Canceled, // someone cancelled it in the queue
};

// The default printer's queue: a page drawn into a file goes in as a job, which is then
// watched for a while.
class PrinterQueue
{
public:
    virtual ~PrinterQueue() = default;

    // Looks up the default printer and remembers it for the next job.
    virtual PrinterState defaultPrinter() = 0;
    // A private file to draw a page for that printer into; empty (with errorText) when there
    // is none.
    virtual QString pageFile() = 0;
    // Hands the page's file over as one job and removes the file; false (with errorText) when
    // the printer refused it.
    virtual bool submit(const QString &pageFile) = 0;
    // A short Italian sentence for the pupil about the last failure, with the spooler's own
    // reason when it gave one.
    virtual QString errorText() const = 0;

    // Keeps an eye on the job submitted last, without blocking, for 30 seconds: calls failed
    // once if the spooler aborts or cancels it meanwhile.
    virtual void watchJob(std::function<void(JobFailure)> failed) = 0;
};
