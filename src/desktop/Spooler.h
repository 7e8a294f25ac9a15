// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/JobWatch.h"
#include "frame/PrinterQueue.h"

#include <QByteArray>
#include <QString>

// The print spooler as the printer queue needs it: the default destination and its state, a
// file handed over as a job, and a job's state. Its client library (CUPS, with the encryption
// and network discovery it brings) lives in a module of its own that the program loads on the
// first print, so none of it weighs on the start.
class Spooler
{
public:
    struct Destination
    {
        PrinterState state; // None when there is no printer at all
        QByteArray queue;
    };

    virtual ~Spooler() = default;

    // The default destination, or the first one there is when none is set as default.
    virtual Destination defaultDestination() = 0;
    // Hands a file over as one job: its id, or 0 with the spooler's reason in error.
    virtual int submit(const QByteArray &queue, const QString &path, QString &error) = 0;
    virtual JobState jobState(int job) = 0;
};

// The module's one entry point, looked up by this name: it returns a new object.
inline constexpr char CreateSpoolerSymbol[] = "vovorudorozCreateSpooler";
// The module's file name in the program folder, without the platform's prefix and suffix.
inline constexpr char SpoolerModuleName[] = "vovorudoroz_spooler";
