// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QWidget>

// The number line a pupil may ask for: from 0 to the next ten above the operation's numbers,
// the known numbers marked, and a hint saying which way to count. It helps to count; it never
// shows the answer.
class NumberLine final : public QWidget
{
public:
    explicit NumberLine(QWidget *parent);

    // The operation minuend - subtrahend = difference with its asked term (1 difference,
    // 2 minuend, 3 subtrahend) hidden.
    void setOperation(int minuend, int subtrahend, int askedTerm);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_top = 10; // the line's last number
    QList<int> m_marked; // the known numbers marked on the line
    QString m_hint;
};
