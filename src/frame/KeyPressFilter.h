// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Hands every character key typed into a widget to a handler before the widget sees it, as a
// character code: Enter is 13, Backspace 8, Ctrl+V 22, a letter its code. The handler may set
// the code to 0 to drop the key. Keys that type no character (arrows, Delete, Home) and the
// keys that move the focus (Tab, Shift+Tab) pass by.
class KeyPressFilter : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(int &keyAscii)>;

    KeyPressFilter(QWidget *target, Handler handler);

    // The character code of a key event, or 0 for a key that types no character.
    static int keyAscii(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler m_handler;
};
