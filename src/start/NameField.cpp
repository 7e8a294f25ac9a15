// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "start/NameField.h"

#include "core/StartChoices.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

NameField::NameField(QWidget *parent) : QLineEdit(parent)
{
    // Whatever slipped past the other ways in still loses its digits.
    connect(this, &QLineEdit::textChanged, this, &NameField::dropStrayDigits);
}

QString NameField::refuseDigits(const QString &text)
{
    const QString kept = StartChoices::withoutDigits(text);
    if (kept != text)
        emit digitsRefused();
    return kept;
}

void NameField::pasteWithoutDigits(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    insert(refuseDigits(QGuiApplication::clipboard()->text(mode)));
}

void NameField::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteWithoutDigits(QClipboard::Clipboard);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NameField::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        pasteWithoutDigits(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NameField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this,
            [this] { pasteWithoutDigits(QClipboard::Clipboard); });
    }
    menu->popup(event->globalPos());
}

void NameField::dropEvent(QDropEvent *event)
{
    const QMimeData *dropped = event->mimeData();
    if (!dropped || !dropped->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData kept;
    kept.setText(refuseDigits(dropped->text()));
    QDropEvent filtered(event->position(), event->possibleActions(), &kept, event->buttons(),
        event->modifiers(), event->type());
    filtered.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&filtered);
    event->setDropAction(filtered.dropAction());
    event->setAccepted(filtered.isAccepted());
}

void NameField::dropStrayDigits(const QString &text)
{
    const QString kept = StartChoices::withoutDigits(text);
    if (kept == text)
        return;
    // The cursor stays after the same letters it followed.
    const int cursor = StartChoices::withoutDigits(text.left(cursorPosition())).size();
    setText(kept);
    setCursorPosition(cursor);
    emit digitsRefused();
}
