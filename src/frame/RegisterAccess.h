// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/RegisterReading.h"

class PupilRegister;
class ThrottleStore;

// The register of every pupil's work: what the screens tell it, and what the teacher reads.
class RegisterAccess : public RegisterReading
{
public:
    // The register of every pupil's work; each call returns at once.
    virtual PupilRegister &pupilRegister() = 0;
    // Where the teacher's wrong tries are kept between openings of the screen and runs.
    virtual ThrottleStore &passwordThrottle() = 0;
};
