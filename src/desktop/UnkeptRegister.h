// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilRegister.h"
#include "core/RegisterStatus.h"

// The register when the program cannot load its store: nothing can be kept, and the teacher's
// screen says so, with the answers lost, instead of a register that seems to work.
class UnkeptRegister final : public PupilRegister
{
public:
    void sessionStarted(const Register::SessionStart &) override { }
    void answerJudged(const Register::Answer &) override { ++m_answersLost; }
    void sessionEnded(const Register::SessionEnd &) override { }
    void reviewDone(const Register::Review &) override { }

    Register::Status status() const
    {
        Register::Status status;
        status.state = Register::State::Unavailable;
        status.answersNotKept = m_answersLost;
        return status;
    }

private:
    int m_answersLost = 0;
};
