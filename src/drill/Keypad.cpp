// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "drill/Keypad.h"

#include "frame/Colour.h"
#include "frame/Controls.h"

#include <QPushButton>

Keypad::Keypad(QWidget *parent) : QGroupBox(QStringLiteral("TASTIERINO"), parent)
{
    setObjectName(QStringLiteral("fraTastierino"));
    Controls::setBackground(this, Colour::rgb(255, 255, 192));
    setFont(Controls::arial(9.75));

    struct Key
    {
        const char *name;
        const char *caption;
        int left;
        int top;
    };
    static constexpr Key keys[] = {
        { "Command2", "1", 240, 240 },
        { "Command3", "2", 1020, 240 },
        { "Command4", "3", 1800, 240 },
        { "Command5", "4", 240, 690 },
        { "Command6", "5", 1020, 690 },
        { "Command7", "6", 1800, 690 },
        { "Command8", "7", 240, 1140 },
        { "Command9", "8", 1020, 1140 },
        { "Command10", "9", 1800, 1140 },
        { "Command13", "0", 240, 1605 },
        { "Command11", "00", 1020, 1605 },
        { "Command12", "000", 1800, 1605 },
    };
    const QFont keyFont = Controls::arial(14.25, true);
    const QColor keyColour = Colour::rgb(255, 255, 128);
    auto makeKey = [&](const QString &name, const QString &caption) {
        QPushButton *button = Controls::button(this, name, caption, keyFont);
        Controls::setBackground(button, keyColour);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    for (const Key &key : keys) {
        const QString caption = QString::fromLatin1(key.caption);
        QPushButton *button = makeKey(QString::fromLatin1(key.name), caption);
        Controls::place(button, key.left, key.top, 765, 405);
        connect(
            button, &QPushButton::clicked, this, [this, caption] { emit digitsPressed(caption); });
    }
    QPushButton *erase = makeKey(QStringLiteral("cmdCancella"), QStringLiteral("Cancella"));
    Controls::place(erase, 240, 2055, 2325, 435);
    connect(erase, &QPushButton::clicked, this, &Keypad::erasePressed);
}
