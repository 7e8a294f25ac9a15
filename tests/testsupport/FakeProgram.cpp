// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeProgram.h"

#include "app/ScreenWiring.h"

FakeProgram::FakeProgram()
{
    registerScreens(services.registry, session, services);
    services.registry.get(ScreenId::Background);
}

FakeProgram::~FakeProgram()
{
    flushDeletedScreens();
}
