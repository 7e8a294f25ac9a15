// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QDateTime>
#include <QString>

// What the screens tell the register, in plain values: the register keeps the current session
// itself, so a screen never handles its key.
namespace Register {

struct SessionStart
{
    QString pupilName; // as typed
    int mode = 1; // 1 difference, 2 minuend or subtrahend, 3 any term
    int rangeLevel = 1; // the range button, 1..6
    int rangeLow = 0;
    int rangeHigh = 0;
    QDateTime at;
};

struct Answer
{
    int operationNumber = 0; // 1..40 in the session
    int minuend = 0;
    int subtrahend = 0;
    int askedTerm = 1; // 1 difference, 2 minuend, 3 subtrahend
    int expected = 0;
    QString typed;
    bool right = false;
    double seconds = 0.0;
    QDateTime at;
    QString errorLabel; // the wrong procedure the answer shows; empty for a right answer
    bool aidUsed = false; // the number line was drawn for this operation before the answer
};

enum class Ending {
    Completed, // the fortieth answer judged
    Interrupted, // the exercise screen closed or a new session started before
};

struct SessionEnd
{
    Ending how = Ending::Completed;
    QDateTime at;
};

struct Review
{
    int reviewed = 0;
    int nowRight = 0;
    QDateTime at;
};

} // namespace Register

// The register as the screens see it. Every call returns at once; what cannot be kept is
// counted in the register's status, never reported to the pupil.
class PupilRegister
{
public:
    virtual ~PupilRegister() = default;
    // Starts the current session; an earlier one still open stays as it was.
    virtual void sessionStarted(const Register::SessionStart &start) = 0;
    virtual void answerJudged(const Register::Answer &answer) = 0;
    virtual void sessionEnded(const Register::SessionEnd &end) = 0;
    virtual void reviewDone(const Register::Review &review) = 0;
};
