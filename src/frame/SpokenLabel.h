// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QLabel>

// A label never shown on screen that labels one control for a screen reader. Orca reads a
// control's label before its name and role, so what this label says is heard first whenever
// the control takes the focus, without changing the control's own name or the screen.
class SpokenLabel : public QLabel
{
    Q_OBJECT

public:
    SpokenLabel(QWidget *control, const QString &text = QString());
};
