// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "register/TeacherPassword.h"

// The teacher's wrong tries in the program's settings of this user account
// (~/.config/vovorudoroz.conf), so that they outlive the screen and the program.
class SettingsThrottle final : public ThrottleStore
{
public:
    ThrottleState throttle() override;
    void storeThrottle(const ThrottleState &state) override;
};
