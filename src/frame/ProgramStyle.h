// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

class QStyle;

// The look of every window: Qt's Fusion, which honours the controls' own colours, with the menu
// bar reachable from the keyboard as on other desktops: Alt, then the arrow keys and Enter.
QStyle *createProgramStyle();
