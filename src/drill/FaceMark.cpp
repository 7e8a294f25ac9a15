// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "drill/FaceMark.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

FaceMark::FaceMark(bool smiling, QWidget *parent) : QWidget(parent), m_smiling(smiling)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void FaceMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // Drawn on a 32 x 32 grid scaled to the widget, so the proportions hold at any size.
    const qreal side = std::min(width(), height());
    painter.translate((width() - side) / 2.0, (height() - side) / 2.0);
    painter.scale(side / 32.0, side / 32.0);

    const QColor red(220, 0, 0);
    painter.setPen(QPen(red, 2.0));
    painter.setBrush(QColor(255, 230, 0));
    painter.drawEllipse(QRectF(2, 2, 28, 28));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 40, 0));
    painter.drawEllipse(QRectF(10, 10, 3.6, 5));
    painter.drawEllipse(QRectF(18.4, 10, 3.6, 5));

    QPainterPath mouth;
    if (m_smiling) {
        mouth.moveTo(9, 19);
        mouth.quadTo(16, 27, 23, 19);
    } else {
        mouth.moveTo(9, 24.5);
        mouth.quadTo(16, 17.5, 23, 24.5);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(red, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(mouth);
}
