// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QGroupBox>

// The on-screen keypad "TASTIERINO": 1 2 3 / 4 5 6 / 7 8 9 / 0 00 000 as on a calculator, and
// "Cancella" across the bottom. It only reports its keys; what they do to an answer is the
// screen's business. A disabled keypad reports nothing.
class Keypad : public QGroupBox
{
    Q_OBJECT

public:
    explicit Keypad(QWidget *parent);

signals:
    void digitsPressed(const QString &digits);
    void erasePressed();
};
