// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QLineEdit>

// The pupil's name field. Typed digits are refused by the screen's key handler; text that
// arrives all at once (pasted, dropped, middle-clicked, from an input method or set by an
// assistive technology) loses its digits before the length limit cuts it, and the field reports
// each refusal once.
class NameField : public QLineEdit
{
    Q_OBJECT

public:
    explicit NameField(int maxLength, QWidget *parent = nullptr);

signals:
    void digitsRefused();
};
