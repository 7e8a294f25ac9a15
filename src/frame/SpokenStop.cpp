// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/SpokenStop.h"

#include <QEvent>

SpokenStop::SpokenStop(QWidget *shown, const QString &words)
    : QLabel(shown->parentWidget()), m_shown(shown)
{
    setObjectName(shown->objectName() + QStringLiteral("Words"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    shown->installEventFilter(this);
    setWords(words);
    follow();
}

void SpokenStop::setWords(const QString &words)
{
    setAccessibleName(words);
    follow();
}

bool SpokenStop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        follow();
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}

void SpokenStop::follow()
{
    setGeometry(m_shown->geometry());
    raise();
    // A stop with nothing to say, or over a hidden text, is no stop.
    setVisible(m_shown->isVisibleTo(parentWidget()) && !accessibleName().isEmpty());
}
