// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilRegister.h"

#include <variant>

// What the screens hand over, each with the key of the session it belongs to, on its way to the
// writer's thread.
namespace Register {

struct StartRow
{
    QString sessionId;
    SessionStart start;
};
struct AnswerRow
{
    QString sessionId;
    Answer answer;
};
struct EndRow
{
    QString sessionId;
    SessionEnd end;
};
struct ReviewRow
{
    QString sessionId;
    Review review;
};
using Row = std::variant<StartRow, AnswerRow, EndRow, ReviewRow>;

} // namespace Register
