// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RegisterStatus.h"

#include <QString>
#include <memory>

class PupilRegister;
class ThrottleStore;
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
    // This PC's register file, opened now; nullptr when switched off. On a lab PC it holds the
    // PC's own rows not yet on the school server, and those of the last day.
    virtual std::unique_ptr<Register::RegisterQueries> openRegister() = 0;
    // True on a lab PC: the class's register is the school server's, which the teacher's screen
    // opens with the teacher's own login there.
    virtual bool registerOnServer() = 0;
    // Logs in to the school server as the teacher; queries is set only when the login opened.
    virtual Register::TeacherLogin openTeacherRegister(
        const QString &password, std::unique_ptr<Register::RegisterQueries> &queries) = 0;
    // Where the teacher's wrong tries are kept between openings of the screen and runs.
    virtual ThrottleStore &passwordThrottle() = 0;
    // Asks where to save a CSV file, proposing this full path; empty when the user cancels.
    virtual QString askCsvFilePath(const QString &proposedPath) = 0;
};
