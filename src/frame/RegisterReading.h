// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ReaderThread.h"
#include "core/RegisterStatus.h"

#include <QString>
#include <memory>

// What the teacher's and the pupil's screens read from the register, and how they reach it.
class RegisterReading
{
public:
    virtual ~RegisterReading() = default;

    // What the register went through in this run: its state and the answers it could not keep.
    virtual Register::Status registerStatus() = 0;
    // The register for the reading screens, opened in a thread of its own on the first job;
    // nullptr when the school switched it off. Returns at once.
    virtual std::unique_ptr<Register::ReaderThread> openReader() = 0;
    // Asks where to save a CSV file, proposing this full path; empty when the user cancels.
    virtual QString askCsvFilePath(const QString &proposedPath) = 0;
};
