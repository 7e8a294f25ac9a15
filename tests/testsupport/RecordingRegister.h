// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilRegister.h"

#include <QList>

// The register as tests see it: every call kept, in order, nothing written.
class RecordingRegister final : public PupilRegister
{
public:
    QList<Register::SessionStart> starts;
    QList<Register::Answer> answers;
    QList<Register::SessionEnd> ends;
    QList<Register::Review> reviews;

    void sessionStarted(const Register::SessionStart &start) override { starts.append(start); }
    void answerJudged(const Register::Answer &answer) override { answers.append(answer); }
    void sessionEnded(const Register::SessionEnd &end) override { ends.append(end); }
    void reviewDone(const Register::Review &review) override { reviews.append(review); }
};
