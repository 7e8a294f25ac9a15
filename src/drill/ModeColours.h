// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <initializer_list>

class OperationPanel;
class QWidget;
struct SessionRecord;

namespace Exercise {

// Colours a screen in the exercise's look as the chosen mode asks: the screen and its operation
// panel in the mode's screen colour, the given controls in its button colour. Before a mode is
// chosen nothing changes.
void applyModeColours(const SessionRecord &session, QWidget *screen, OperationPanel *panel,
    std::initializer_list<QWidget *> buttonColoured);

} // namespace Exercise
