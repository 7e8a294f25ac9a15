// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QClipboard>
#include <QLineEdit>

// The pupil's name field. Typed digits are refused by the screen's key handler; text that
// arrives all at once (pasted, dropped, middle-clicked or from an input method) loses its
// digits here, before the length limit cuts it, and the field reports each refusal once.
class NameField : public QLineEdit
{
    Q_OBJECT

public:
    explicit NameField(QWidget *parent = nullptr);

signals:
    void digitsRefused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void pasteWithoutDigits(QClipboard::Mode mode);
    QString refuseDigits(const QString &text);
    void dropStrayDigits(const QString &text);
};
