// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "certificate/CertificateArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

const QColor Parchment(255, 251, 232);
const QColor ParchmentEdge(247, 234, 196);
const QColor Gold(212, 160, 40);
const QColor DarkGold(160, 110, 20);
const QColor Crimson(200, 30, 60);
const QColor Rose(240, 110, 140);
const QColor RibbonBlue(40, 90, 200);
const QColor DarkBlue(20, 50, 140);
const QColor Leaf(60, 150, 70);
const QColor DarkLeaf(30, 100, 45);

QPainterPath starPath(
    const QPointF &centre, double outer, double inner, int points, double turnDegrees = -90.0)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = qDegreesToRadians(turnDegrees + i * 180.0 / points);
        const QPointF corner(
            centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

void drawFrame(QPainter &painter, const QRectF &card)
{
    QLinearGradient paper(card.topLeft(), card.bottomRight());
    paper.setColorAt(0.0, Parchment);
    paper.setColorAt(1.0, ParchmentEdge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(paper);
    painter.drawRoundedRect(card, 120, 120);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Gold, 70));
    painter.drawRoundedRect(card.adjusted(60, 60, -60, -60), 90, 90);
    painter.setPen(QPen(DarkGold, 12));
    painter.drawRoundedRect(card.adjusted(20, 20, -20, -20), 110, 110);
    painter.setPen(QPen(Crimson, 18));
    painter.drawRect(card.adjusted(150, 150, -150, -150));
    painter.setPen(QPen(RibbonBlue, 10));
    painter.drawRect(card.adjusted(195, 195, -195, -195));

    // A row of small diamonds between the gold band and the red line.
    painter.setPen(Qt::NoPen);
    painter.setBrush(DarkGold);
    const QRectF track = card.adjusted(60, 60, -60, -60);
    const auto diamond = [&painter](const QPointF &at) {
        QPainterPath path;
        path.moveTo(at + QPointF(0, -16));
        path.lineTo(at + QPointF(16, 0));
        path.lineTo(at + QPointF(0, 16));
        path.lineTo(at + QPointF(-16, 0));
        path.closeSubpath();
        painter.drawPath(path);
    };
    const double step = 150;
    for (double x = track.left() + 300; x <= track.right() - 300; x += step) {
        diamond(QPointF(x, track.top()));
        diamond(QPointF(x, track.bottom()));
    }
    for (double y = track.top() + 300; y <= track.bottom() - 300; y += step) {
        diamond(QPointF(track.left(), y));
        diamond(QPointF(track.right(), y));
    }
}

void drawCornerRosette(QPainter &painter, const QPointF &centre, double turnDegrees)
{
    // Two curls running along the sides from the corner.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Crimson, 16, Qt::SolidLine, Qt::RoundCap));
    painter.save();
    painter.translate(centre);
    painter.rotate(turnDegrees);
    for (int side = 0; side < 2; ++side) {
        QPainterPath curl;
        curl.moveTo(60, 0);
        curl.cubicTo(260, -70, 400, 90, 520, 0);
        curl.cubicTo(580, -50, 560, -110, 500, -100);
        painter.drawPath(curl);
        painter.scale(1, -1);
        painter.rotate(-90);
    }
    painter.restore();

    painter.setPen(QPen(DarkGold, 6));
    painter.setBrush(Rose);
    for (int petal = 0; petal < 8; ++petal) {
        painter.save();
        painter.translate(centre);
        painter.rotate(petal * 45.0 + turnDegrees);
        painter.drawEllipse(QRectF(30, -38, 120, 76));
        painter.restore();
    }
    QRadialGradient heart(centre, 60);
    heart.setColorAt(0.0, QColor(255, 236, 150));
    heart.setColorAt(1.0, Gold);
    painter.setBrush(heart);
    painter.drawEllipse(centre, 55, 55);
}

void drawTopStars(QPainter &painter, double middle)
{
    painter.setPen(QPen(DarkGold, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QRadialGradient shine(QPointF(middle, 470), 170);
    shine.setColorAt(0.0, QColor(255, 240, 140));
    shine.setColorAt(1.0, Gold);
    painter.setBrush(shine);
    painter.drawPath(starPath(QPointF(middle, 480), 170, 70, 5));

    painter.setPen(QPen(DarkBlue, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(RibbonBlue);
    for (const double offset : { -330.0, 330.0 })
        painter.drawPath(starPath(QPointF(middle + offset, 520), 90, 38, 5));
    painter.setBrush(Crimson);
    painter.setPen(Qt::NoPen);
    for (const double offset : { -560.0, 560.0 })
        painter.drawEllipse(QPointF(middle + offset, 530), 30, 30);

    // A thin flourish under the stars, clear of the title.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Crimson, 12, Qt::SolidLine, Qt::RoundCap));
    for (const double side : { -1.0, 1.0 }) {
        QPainterPath swash;
        swash.moveTo(middle + side * 200, 610);
        swash.cubicTo(middle + side * 500, 660, middle + side * 700, 560, middle + side * 900, 600);
        painter.drawPath(swash);
    }
}

void drawLaurel(QPainter &painter, const QPointF &base, double side)
{
    // A branch bending up and outwards from under the seal, leaves on both sides.
    QPainterPath stem;
    const QPointF tip(base.x() + side * 620, base.y() - 560);
    const QPointF bend(base.x() + side * 640, base.y() - 60);
    stem.moveTo(base);
    stem.quadTo(bend, tip);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(DarkLeaf, 18, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stem);

    painter.setPen(QPen(DarkLeaf, 5));
    painter.setBrush(Leaf);
    for (int i = 1; i <= 7; ++i) {
        const double t = i / 8.0;
        const QPointF at = stem.pointAtPercent(t);
        const double angle = stem.angleAtPercent(t);
        for (const double lean : { 40.0, -40.0 }) {
            painter.save();
            painter.translate(at);
            painter.rotate(-angle + lean);
            painter.drawEllipse(QRectF(0, -30, 150, 60));
            painter.restore();
        }
    }
}

void drawSeal(QPainter &painter, const QPointF &centre)
{
    // Ribbon tails hang behind the seal, each with a notched end.
    painter.setPen(QPen(DarkBlue, 8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(RibbonBlue);
    for (const double side : { -1.0, 1.0 }) {
        QPainterPath tail;
        tail.moveTo(centre + QPointF(side * 60, 100));
        tail.lineTo(centre + QPointF(side * 230, 60));
        tail.lineTo(centre + QPointF(side * 380, 700));
        tail.lineTo(centre + QPointF(side * 270, 610));
        tail.lineTo(centre + QPointF(side * 180, 740));
        tail.closeSubpath();
        painter.drawPath(tail);
    }

    painter.setPen(QPen(DarkGold, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Gold);
    painter.drawPath(starPath(centre, 340, 295, 24));

    QRadialGradient red(centre - QPointF(80, 80), 320);
    red.setColorAt(0.0, QColor(240, 80, 100));
    red.setColorAt(1.0, Crimson);
    painter.setBrush(red);
    painter.setPen(QPen(QColor(255, 236, 150), 18));
    painter.drawEllipse(centre, 250, 250);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 236, 150), 8, Qt::DotLine));
    painter.drawEllipse(centre, 205, 205);

    QRadialGradient shine(centre, 150);
    shine.setColorAt(0.0, QColor(255, 250, 200));
    shine.setColorAt(1.0, Gold);
    painter.setPen(QPen(DarkGold, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(shine);
    painter.drawPath(starPath(centre, 150, 62, 5));
}

} // namespace

CertificateArt::CertificateArt(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setAccessibleName(QStringLiteral("Cornice dell'attestato"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CertificateArt::paint(QPainter &painter, const QRectF &target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / DesignWidth, target.height() / DesignHeight);

    const QRectF card(0, 0, DesignWidth, DesignHeight);
    const double middle = DesignWidth / 2.0;
    drawFrame(painter, card);
    const double inset = 330;
    drawCornerRosette(painter, QPointF(inset, inset), 0);
    drawCornerRosette(painter, QPointF(DesignWidth - inset, inset), 90);
    drawCornerRosette(painter, QPointF(DesignWidth - inset, DesignHeight - inset), 180);
    drawCornerRosette(painter, QPointF(inset, DesignHeight - inset), 270);
    drawTopStars(painter, middle);

    const QPointF sealCentre(middle, 5480);
    drawLaurel(painter, QPointF(middle - 80, 5900), -1);
    drawLaurel(painter, QPointF(middle + 80, 5900), 1);
    drawSeal(painter, sealCentre);
    painter.restore();
}

void CertificateArt::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, rect());
}
