// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "drill/ModeColours.h"

#include "core/SessionRecord.h"
#include "core/StartChoices.h"
#include "drill/OperationPanel.h"
#include "frame/Colour.h"
#include "frame/Controls.h"

namespace Exercise {

void applyModeColours(const SessionRecord &session, QWidget *screen, OperationPanel *panel,
    std::initializer_list<QWidget *> buttonColoured)
{
    if (!session.ModeScreenColour.isEmpty()) {
        const QColor screenColour = Colour::fromValue(session.ModeScreenColour.toInt());
        Controls::setBackground(screen, screenColour);
        panel->setColours(screenColour, Colour::fromValue(StartChoices::AnswerTextColour));
    }
    if (!session.ModeColour.isEmpty()) {
        const QColor buttonColour = Colour::fromValue(session.ModeColour.toInt());
        for (QWidget *control : buttonColoured)
            Controls::setBackground(control, buttonColour);
    }
}

} // namespace Exercise
