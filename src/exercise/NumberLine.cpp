// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "exercise/NumberLine.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {
constexpr int Margin = 14;
} // namespace

NumberLine::NumberLine(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("numberLine"));
    setAccessibleName(QStringLiteral("Linea dei numeri"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void NumberLine::setLine(const Exercise::NumberLineHint &line)
{
    m_line = line;
    setAccessibleDescription(m_line.hint);
    update();
}

void NumberLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int lineY = height() * 45 / 100;
    const double step = double(width() - 2 * Margin) / m_line.top;
    const auto x = [&](int value) { return Margin + value * step; };
    // The palette's colours, so that the line stands out in high contrast too.
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor mark = palette().color(QPalette::Highlight);
    painter.setPen(QPen(ink, 2));
    painter.drawLine(QPointF(x(0), lineY), QPointF(x(m_line.top), lineY));
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.8);
    painter.setFont(small);
    const QFontMetricsF metrics(small, this);
    const QSizeF label(metrics.horizontalAdvance(QStringLiteral("000")), metrics.height());
    const int labelEvery = m_line.top <= 20 ? 1 : (m_line.top <= 50 ? 5 : 10);
    for (int value = 0; value <= m_line.top; ++value) {
        const int tick = value % 10 == 0 ? 8 : (value % 5 == 0 ? 6 : 3);
        painter.drawLine(QPointF(x(value), lineY - tick), QPointF(x(value), lineY + tick));
        if (value % labelEvery == 0)
            painter.drawText(QRectF(QPointF(x(value) - label.width() / 2, lineY + 8), label),
                Qt::AlignCenter, QString::number(value));
    }
    painter.setPen(QPen(mark, 2));
    painter.setBrush(mark);
    for (const int value : std::as_const(m_line.marked))
        painter.drawEllipse(QPointF(x(value), lineY), 5, 5);
    painter.setPen(ink);
    painter.drawText(QRect(0, 0, width(), lineY - 8), Qt::AlignCenter, m_line.hint);
}
