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
    // This PC's register for the reading screens, opened in a thread of its own on the first
    // job; nullptr when the school switched it off. On a lab PC it holds the PC's own rows not
    // yet on the school server, and those of the last day. Returns at once.
    virtual std::unique_ptr<Register::ReaderThread> openReader() = 0;
    // True on a lab PC: the class's register is the school server's, which the teacher's screen
    // opens with the teacher's own login there.
    virtual bool registerOnServer() = 0;
    // On a lab PC: the school server's register, opened in a thread of its own by logging in as
    // the teacher with this password (Opened::login says how it went, with the persistent count
    // of wrong tries). Returns at once.
    virtual std::unique_ptr<Register::ReaderThread> openTeacherReader(const QString &password) = 0;
    // Asks where to save a CSV file, proposing this full path; empty when the user cancels.
    virtual QString askCsvFilePath(const QString &proposedPath) = 0;
};
