// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/ColumnWorking.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <algorithm>

namespace ColumnWorking {

namespace {

    // Sizes in digit heights. Each digit column keeps room on its left for the small 1 of the
    // exchange; the row above the numbers holds the small digits, and on paper the pupil's own.
    constexpr double SignWidth = 0.9;
    constexpr double ColumnWidth = 1.15;
    constexpr double MarkWidth = 0.35;
    constexpr double MarkRow = 0.65;
    constexpr double NumberRow = 1.2;
    constexpr double RuleGap = 0.3;
    constexpr double Height = MarkRow + 3 * NumberRow + RuleGap;
    constexpr double SmallDigit = 0.55;

    QFont digitFont(double pixels)
    {
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(std::max(1, qRound(pixels)));
        return font;
    }

    class Grid
    {
    public:
        Grid(const QRectF &box, int columns) : m_columns(columns)
        {
            const double width = SignWidth + ColumnWidth * columns;
            m_unit = std::min(box.height() / Height, box.width() / width);
            m_left = box.left() + (box.width() - width * m_unit) / 2;
            m_top = box.top() + (box.height() - Height * m_unit) / 2;
        }
        double unit() const { return m_unit; }
        // The cell of one digit: column 0 is the leftmost digit column.
        QRectF digit(int column, ColumnForm::Row row) const
        {
            const double x = m_left + (SignWidth + ColumnWidth * column + MarkWidth) * m_unit;
            return { x, rowTop(row), (ColumnWidth - MarkWidth) * m_unit, NumberRow * m_unit };
        }
        QRectF sign() const
        {
            return { m_left, rowTop(ColumnForm::Row::Bottom), SignWidth * m_unit,
                NumberRow * m_unit };
        }
        // The small digit above a column, and the small 1 before a digit.
        QRectF above(int column) const
        {
            const QRectF cell = digit(column, ColumnForm::Row::Top);
            return { cell.left(), m_top, cell.width(), MarkRow * m_unit };
        }
        QRectF before(int column) const
        {
            const QRectF cell = digit(column, ColumnForm::Row::Top);
            return { cell.left() - MarkWidth * m_unit, cell.top(), MarkWidth * m_unit,
                cell.height() / 2 };
        }
        double ruleY() const { return rowTop(ColumnForm::Row::Result) - RuleGap * m_unit / 2; }
        double right() const { return m_left + (SignWidth + ColumnWidth * m_columns) * m_unit; }
        double left() const { return m_left; }

    private:
        double rowTop(ColumnForm::Row row) const
        {
            const int index = static_cast<int>(row);
            return m_top + (MarkRow + NumberRow * index + (index == 2 ? RuleGap : 0)) * m_unit;
        }
        int m_columns;
        double m_unit = 0;
        double m_left = 0;
        double m_top = 0;
    };

    void drawNumber(
        QPainter &painter, const Grid &grid, int value, ColumnForm::Row row, int columns)
    {
        const QString digits = QString::number(value);
        for (qsizetype index = 0; index < digits.size(); ++index) {
            const int column = columns - int(digits.size()) + int(index);
            if (column >= 0)
                painter.drawText(grid.digit(column, row), Qt::AlignCenter, QString(digits[index]));
        }
    }

    void drawBoxes(QPainter &painter, const Grid &grid, ColumnForm::Row row, int columns)
    {
        const double inset = grid.unit() * 0.08;
        for (int column = 0; column < columns; ++column)
            painter.drawRect(grid.digit(column, row).adjusted(inset, inset, -inset, -inset));
    }

} // namespace

double aspect(int columns)
{
    return (SignWidth + ColumnWidth * columns) / Height;
}

void paint(QPainter &painter, const QRectF &box, const ColumnForm::Form &form, const Inks &inks)
{
    using ColumnForm::Row;
    const Grid grid(box, form.columns);
    const double unit = grid.unit();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen line(inks.lines, std::max(1.0, unit / 14));
    line.setCapStyle(Qt::RoundCap);
    painter.setPen(line);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(digitFont(unit));
    painter.drawText(grid.sign(), Qt::AlignCenter,
        form.addition ? QStringLiteral("+") : QStringLiteral("\u2212"));
    painter.drawLine(QPointF(grid.left(), grid.ruleY()), QPointF(grid.right(), grid.ruleY()));

    const std::array<int, 3> values { form.top, form.bottom, form.result };
    for (int index = 0; index < 3; ++index) {
        const auto row = static_cast<Row>(index);
        if (row == form.blank) {
            painter.setPen(QPen(inks.lines, std::max(1.0, unit / 20)));
            drawBoxes(painter, grid, row, form.columns);
        } else {
            painter.setPen(inks.digits);
            drawNumber(painter, grid, values[index], row, form.columns);
        }
    }

    const int tens = form.columns - 2;
    const int units = form.columns - 1;
    QPen mark(inks.marks, std::max(1.0, unit / 12));
    mark.setCapStyle(Qt::RoundCap);
    painter.setPen(mark);
    painter.setFont(digitFont(unit * SmallDigit));
    if (form.exchange && tens >= 0) {
        // The tens digit crossed out, one less above it, and the ten before the units.
        const QRectF crossed =
            grid.digit(tens, Row::Top).adjusted(unit * 0.2, unit * 0.2, -unit * 0.2, -unit * 0.2);
        painter.drawLine(crossed.bottomLeft(), crossed.topRight());
        painter.drawText(grid.above(tens), Qt::AlignCenter, QString::number(form.top / 10 - 1));
        // The small 1 touches the units digit, so that it reads as "13", not as an exponent.
        const QRectF unitsCell = grid.digit(units, Row::Top);
        const double glyph = QFontMetricsF(digitFont(unit), painter.device())
                                 .horizontalAdvance(QString::number(form.top % 10));
        const QRectF before =
            grid.before(units).translated((unitsCell.width() - glyph) / 2 + unit * 0.05, 0);
        painter.drawText(before, Qt::AlignRight | Qt::AlignTop, QStringLiteral("1"));
    }
    if (form.carry && tens >= 0)
        painter.drawText(grid.above(tens), Qt::AlignCenter, QStringLiteral("1"));
    painter.restore();
}

} // namespace ColumnWorking
