// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "exercise/ColumnHeadings.h"

#include "frame/Controls.h"
#include "frame/Magnifier.h"
#include "frame/Twips.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// Clear of the lines on either side.
constexpr int MarginPixels = 1;
// Still readable; only a column far too narrow would call for less.
constexpr double SmallestPoints = 5;

} // namespace

ColumnHeadings::ColumnHeadings(QWidget *parent, const QString &name, const QString &text,
    const QFont &font, const QList<Column> &columns)
    : QLabel(text, parent), m_columns(columns)
{
    setObjectName(name);
    setFont(font);
    Controls::nameInPlainWords(this, text);
}

QRect ColumnHeadings::room(const Column &column) const
{
    const double factor = Magnifier::factorOf(this);
    const int left = static_cast<int>(Twips::toPixels(column.left) * factor) + MarginPixels;
    return QRect(left, 0,
        static_cast<int>(Twips::toPixels(column.right) * factor) - MarginPixels - left, height());
}

QFont ColumnHeadings::fittedFont(const Column &column) const
{
    QFont fitted = font();
    const int room = this->room(column).width();
    while (QFontMetricsF(fitted, this).horizontalAdvance(column.word) > room
        && fitted.pointSizeF() > SmallestPoints)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    return fitted;
}

void ColumnHeadings::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    for (const Column &column : m_columns) {
        painter.setFont(fittedFont(column));
        painter.drawText(room(column), Qt::AlignHCenter | Qt::AlignTop, column.word);
    }
}
