// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QWidget>

// A face mark of the exercise screen: a yellow face with a red outline, smiling for a right
// answer and frowning for a wrong one. It is painted from shapes, so it stays crisp at any
// screen scale.
class FaceMark : public QWidget
{
    Q_OBJECT

public:
    FaceMark(bool smiling, QWidget *parent = nullptr);

    bool isSmiling() const { return m_smiling; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_smiling;
};
