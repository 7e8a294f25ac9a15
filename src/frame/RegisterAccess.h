// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RegisterStatus.h"

#include <QString>
#include <memory>

class PupilRegister;
namespace Register {
class RegisterQueries;
}

// The register of every pupil's work: what the screens tell it, and what the teacher reads.
class RegisterAccess
{
public:
    virtual ~RegisterAccess() = default;

    // The register of every pupil's work; each call returns at once.
    virtual PupilRegister &pupilRegister() = 0;
    // What the register went through in this run: its state and the answers it could not keep.
    virtual Register::Status registerStatus() = 0;
    // The register's file for the teacher's screen, opened now; nullptr when switched off.
    virtual std::unique_ptr<Register::RegisterQueries> openRegister() = 0;
    // Asks where to save a CSV file, proposing this full path; empty when the user cancels.
    virtual QString askCsvFilePath(const QString &proposedPath) = 0;
};
