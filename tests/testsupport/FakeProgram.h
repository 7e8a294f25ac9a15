// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "FakeServices.h"
#include "core/SessionRecord.h"

// The whole program on the fake desktop: one session record, every screen registered, and the
// background screen open, which opens the start screen, as when the program starts.
class FakeProgram
{
public:
    SessionRecord session;
    FakeServices services;

    FakeProgram();
    ~FakeProgram();
    FakeProgram(const FakeProgram &) = delete;
    FakeProgram &operator=(const FakeProgram &) = delete;
};
