// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/KeyPressFilter.h"

#include <QKeyEvent>
#include <QWidget>

KeyPressFilter::KeyPressFilter(QWidget *target, Handler handler)
    : QObject(target), m_handler(std::move(handler))
{
    target->installEventFilter(this);
}

int KeyPressFilter::keyAscii(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // They move the focus on; no box ever types them.
        return 0;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    // Ctrl+letter types a control character on some platforms and nothing on others.
    if ((event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A
        && event.key() <= Qt::Key_Z)
        return event.key() - Qt::Key_A + 1;
    return text.at(0).unicode();
}

bool KeyPressFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        int code = keyAscii(*static_cast<QKeyEvent *>(event));
        if (code != 0) {
            m_handler(code);
            if (code == 0)
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
