// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/ColumnWorking.h"

#include <QWidget>

// A worked operation in column form on a screen, on the screen's own background; a screen
// reader finds it as a picture described in words.
class ColumnWorkingView : public QWidget
{
    Q_OBJECT

public:
    ColumnWorkingView(QWidget *parent, const QString &name, const ColumnWorking::Inks &inks);

    // The worked form of this operation and its words (ColumnForm::worked and words).
    void showWorking(int minuend, int subtrahend, int askedTerm);
    const ColumnForm::Form &form() const { return m_form; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColumnWorking::Inks m_inks;
    ColumnForm::Form m_form;
};
