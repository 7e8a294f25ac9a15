// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/SpokenLabel.h"

SpokenLabel::SpokenLabel(QWidget *control, const QString &text)
    : QLabel(text, control->parentWidget())
{
    setObjectName(control->objectName() + QStringLiteral("Label"));
    // Qt reports a label as labelling its buddy when both share a parent.
    setBuddy(control);
    hide();
}
