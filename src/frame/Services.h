// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/Clock.h"
#include "frame/Launcher.h"
#include "frame/Messages.h"
#include "frame/Printing.h"
#include "frame/ProgressChart.h"
#include "frame/RegisterAccess.h"
#include "frame/Sound.h"
#include "frame/Speech.h"

class RandomSource;
class ScreenRegistry;

// Everything the screens need from the desktop, one role each: a screen or helper that needs
// one role takes that role alone. The program wires the Qt implementation, tests a scripted
// double.
class Services : public Clock,
                 public Messages,
                 public Sound,
                 public Speech,
                 public Launcher,
                 public Printing,
                 public RegisterAccess,
                 public Charts
{
public:
    virtual ScreenRegistry &screens() = 0;
    virtual RandomSource &random() = 0;
};
