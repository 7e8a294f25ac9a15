// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// Small builders that give every control its name, its place in twips, its font and its
// colours the same way on every screen.
namespace Controls {

QFont font(const QString &family, double points, bool bold = false);
QFont arial(double points, bool bold = false);
// The small dialog face of the desktop: "MS Sans Serif" where it exists, else a face of the
// same widths.
QFont sansSerif(double points, bool bold = false);

void place(QWidget *widget, int left, int top, int width, int height);
void setBackground(QWidget *widget, const QColor &colour); // an opaque fill
void setTextColour(QWidget *widget, const QColor &colour);

// A caption written with its letters spread apart ("E S C I") is read by a screen reader in
// plain words ("Esci"): the label and button builders give it that accessible name, and
// setCaption keeps the name in step when a label's text changes later.
void nameInPlainWords(QWidget *widget, const QString &caption);
void setCaption(QLabel *label, const QString &text);

// Shows and hides controls around a move of the focus: what appears first, then moveFocus, then
// what goes. A control hidden while it has the focus would hand the focus on through every
// control behind it, each one read aloud by a screen reader, before it reached its place.
// A null control is passed over.
void switchShown(std::initializer_list<std::pair<QWidget *, bool>> controls,
    const std::function<void()> &moveFocus);
// A hidden or disabled control cannot take the focus; the request is then ignored.
void requestFocus(QWidget *widget);

// A transparent label; give it a background with setBackground.
QLabel *label(QWidget *parent, const QString &name, const QString &text, const QFont &font);
QPushButton *button(
    QWidget *parent, const QString &name, const QString &caption, const QFont &font);
// A line that is there only while it has a text: made at its first text, so that a screen
// without it keeps exactly its own controls, placed at `twips`, hidden while empty.
void setOptionalLine(QLabel *&line, QWidget *parent, const QString &name, const QString &text,
    const QFont &font, const QRect &twips);
// A plain panel without caption or border.
QFrame *panel(QWidget *parent, const QString &name, const QColor &background);
// A panel with a caption in its frame line.
QGroupBox *captionedPanel(
    QWidget *parent, const QString &name, const QString &caption, const QColor &background);

} // namespace Controls
