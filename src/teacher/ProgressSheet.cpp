// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "teacher/ProgressSheet.h"

#include "core/DrillCodes.h"
#include "core/ChartPoints.h"
#include "core/SecondsAxis.h"
#include "frame/PageText.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace ProgressSheet {

namespace {

    // Twips from the top-left of the printable area of a portrait A4 or Letter page.
    constexpr int Left = 1000;
    constexpr int TitleTop = 800;
    constexpr int ChartTop = 1900;
    constexpr int ChartWidth = 9400;
    constexpr int ChartHeight = 5000;
    constexpr int TableTop = 7300;
    constexpr int RowStep = 270;
    constexpr std::array<int, 5> ColumnLeft { Left, 3000, 5800, 7000, 8400 };

    const QColor RightInk(0, 128, 0);
    const QColor SecondsInk(0, 64, 192);

} // namespace

QStringList headings()
{
    return { QStringLiteral("Data"), QStringLiteral("Modo"), QStringLiteral("Intervallo"),
        QStringLiteral("Esatte"), QStringLiteral("Secondi") };
}

QStringList cells(const Register::SessionSummary &session)
{
    // How the session ended, when not with its fortieth answer: cut short, or still going (a
    // killed program's session is ended at the PC's next start).
    const QString ending = session.ending == QLatin1String("completata") ? QString()
        : session.ending.isEmpty() ? QStringLiteral(" in corso")
                                   : QLatin1Char(' ') + session.ending;
    return { session.started.toString(QStringLiteral("dd/MM/yyyy HH:mm")) + ending,
        modeName(modeOf(session.mode)),
        QStringLiteral("%1–%2").arg(session.rangeLow).arg(session.rangeHigh),
        QStringLiteral("%1 / %2").arg(session.right).arg(session.judged),
        session.judged > 0 ? QLocale(QLocale::Italian).toString(session.medianSeconds, 'f', 1)
                           : QStringLiteral("—") };
}

void paintChart(QPainter &painter, const QRectF &box, const QList<Register::DayPoint> &days)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Text, lines and margins scale with the box, whatever the painter's resolution.
    const qreal unit = box.height() / 40.0;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, int(unit * 1.6)));
    painter.setFont(font);
    const QRectF plot = box.adjusted(unit * 6, unit * 2, -unit * 6, -unit * 8);
    const QPen frame(Qt::black, unit * 0.12);
    const QPen grid(QColor(190, 190, 190), unit * 0.08);

    double slowest = 0.0;
    for (const Register::DayPoint &day : days)
        slowest = std::max(slowest, day.medianSeconds);
    const int secondsTop = SecondsAxis::top(slowest);
    const int secondsStep = secondsTop / SecondsAxis::Steps;
    for (int step = 0; step <= SecondsAxis::Steps; ++step) {
        const qreal y = plot.bottom() - plot.height() * step / SecondsAxis::Steps;
        painter.setPen(grid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(RightInk);
        painter.drawText(QRectF(box.left(), y - unit, unit * 5.5, unit * 2),
            Qt::AlignRight | Qt::AlignVCenter,
            QStringLiteral("%1 %").arg(step * 100 / SecondsAxis::Steps));
        painter.setPen(SecondsInk);
        painter.drawText(QRectF(plot.right() + unit * 0.5, y - unit, unit * 5.5, unit * 2),
            Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("%1 s").arg(secondsStep * step));
    }
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    if (!days.isEmpty()) {
        // As on the screen: a day's margin on each side, so that a single day lies inside.
        const qint64 span = days.first().day.daysTo(days.last().day) + 2;
        auto xOf = [&](const QDate &day) {
            return plot.left() + plot.width() * (days.first().day.daysTo(day) + 1) / span;
        };
        QPainterPath right;
        QPainterPath seconds;
        qreal lastLabel = -1e9;
        bool first = true;
        for (const Register::DayPoint &day : days) {
            const qreal x = xOf(day.day);
            const QPointF r(x, plot.bottom() - plot.height() * day.rightPercent / 100.0);
            const QPointF s(x, plot.bottom() - plot.height() * day.medianSeconds / secondsTop);
            if (first) {
                right.moveTo(r);
                seconds.moveTo(s);
                first = false;
            } else {
                right.lineTo(r);
                seconds.lineTo(s);
            }
            // A date under each point that has room for it.
            if (x - lastLabel >= unit * 5.5) {
                painter.setPen(Qt::black);
                painter.drawText(
                    QRectF(x - unit * 3, plot.bottom() + unit * 0.5, unit * 6, unit * 2),
                    Qt::AlignCenter, day.day.toString(QStringLiteral("dd/MM")));
                lastLabel = x;
            }
        }
        for (const auto &[path, ink] : { std::pair { right, RightInk }, { seconds, SecondsInk } }) {
            painter.setPen(QPen(ink, unit * 0.3));
            painter.drawPath(path);
            if (days.size() <= MostDaysWithPoints) {
                painter.setBrush(ink);
                for (int i = 0; i < path.elementCount(); ++i)
                    painter.drawEllipse(QPointF(path.elementAt(i)), unit * 0.5, unit * 0.5);
                painter.setBrush(Qt::NoBrush);
            }
        }
    }

    const qreal legendY = box.bottom() - unit * 3;
    const std::pair<QColor, QString> legend[] = { { RightInk,
                                                      QStringLiteral("Risposte esatte (%)") },
        { SecondsInk, QStringLiteral("Secondi per risposta") } };
    qreal x = plot.left();
    for (const auto &[ink, text] : legend) {
        painter.setPen(QPen(ink, unit * 0.3));
        painter.drawLine(QPointF(x, legendY), QPointF(x + unit * 3, legendY));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + unit * 3.5, legendY - unit, unit * 20, unit * 2),
            Qt::AlignLeft | Qt::AlignVCenter, text);
        x += unit * 22;
    }
    painter.restore();
}

void draw(PageDrawing &printer, const Content &content)
{
    PageText page(printer);
    page.font(18, true);
    page.line(Left, TitleTop, QStringLiteral("PROGRESSI DI ") + content.pupil.toUpper());
    page.font(11, false);
    page.line(Left, TitleTop + 520,
        QStringLiteral("%1 sessioni · stampato il %2")
            .arg(content.sessions.size())
            .arg(content.date));
    printer.paint(
        Left, ChartTop, ChartWidth, ChartHeight, [&content](QPainter &painter, const QRectF &box) {
            paintChart(painter, box, content.days);
        });

    const qsizetype first = std::max<qsizetype>(0, content.sessions.size() - MostRows);
    int y = TableTop;
    if (first > 0) {
        page.line(Left, y - RowStep,
            QStringLiteral("Le ultime %1 sessioni di %2:")
                .arg(MostRows)
                .arg(content.sessions.size()));
        y += RowStep / 2;
    }
    auto row = [&page, &y](const QStringList &cells) {
        for (int column = 0; column < int(cells.size()); ++column)
            page.line(ColumnLeft[column], y, cells[column]);
    };
    page.font(11, true);
    row(headings());
    page.font(11, false);
    for (qsizetype i = first; i < content.sessions.size(); ++i) {
        y += RowStep;
        row(cells(content.sessions[i]));
    }
}

} // namespace ProgressSheet
