// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

class Services;
class ScreenRegistry;
struct SessionRecord;

// Tells the registry how to build each of the program's screens on the one session record.
void registerScreens(ScreenRegistry &registry, SessionRecord &session, Services &services);
