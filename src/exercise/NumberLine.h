// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/NumberLineHint.h"

#include <QWidget>

// The number line a pupil may ask for, drawn as the operation's hint gives it.
class NumberLine final : public QWidget
{
public:
    explicit NumberLine(QWidget *parent);

    void setLine(const Exercise::NumberLineHint &line);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Exercise::NumberLineHint m_line;
};
