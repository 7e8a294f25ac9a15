// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "desktop/QtPageDrawing.h"

#include "core/PrinterFontList.h"
#include "frame/Twips.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QWidget>

namespace {
// Dots per inch of a window's image on paper: sharp enough for a certificate to be cut out.
constexpr double WindowImageDpi = 300.0;

} // namespace

QtPageDrawing::QtPageDrawing() = default;

QtPageDrawing::~QtPageDrawing()
{
    if (m_painter.isActive())
        m_painter.end();
}

QStringList QtPageDrawing::fontNames()
{
    if (m_fontNames.isEmpty()) {
        m_fontNames = printerFontList(QFontDatabase::families(),
            [](const QString &name) { return QFontInfo(QFont(name)).family(); });
    }
    return m_fontNames;
}

bool QtPageDrawing::fail()
{
    m_failed = true;
    if (m_painter.isActive())
        m_painter.end();
    m_printer.reset();
    return false;
}

bool QtPageDrawing::beginPage(const QString &pdfPath)
{
    m_failed = false;
    if (m_painter.isActive())
        m_painter.end();
    // 1200 dots an inch and margins of 10 points: what a high-resolution PDF printer gives.
    m_printer = std::make_unique<QPdfWriter>(pdfPath);
    m_printer->setResolution(1200);
    m_printer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
    m_printer->setTitle(QStringLiteral("VOVORUDOROZ.1"));
    m_font = QFont(QStringLiteral("Arial"));
    m_font.setPointSizeF(12);
    m_x = m_y = 0;
    return true;
}

bool QtPageDrawing::startPage(QPageLayout::Orientation orientation)
{
    // The page opens at the first thing drawn, so that its orientation can suit it.
    if (m_painter.isActive())
        return true;
    if (!m_printer || m_failed)
        return false;
    m_printer->setPageOrientation(orientation);
    m_failed = !m_painter.begin(m_printer.get());
    return !m_failed;
}

void QtPageDrawing::setFontName(const QString &name)
{
    m_font.setFamily(name);
}

void QtPageDrawing::setFontSize(double points)
{
    m_font.setPointSizeF(points);
}

void QtPageDrawing::setFontBold(bool bold)
{
    m_font.setBold(bold);
}

void QtPageDrawing::setPosition(int xTwips, int yTwips)
{
    m_x = xTwips;
    m_y = yTwips;
}

double QtPageDrawing::toDevice(double twips) const
{
    return Twips::toDevice(twips, m_printer->resolution());
}

void QtPageDrawing::printLine(const QString &text)
{
    if (!startPage(QPageLayout::Portrait))
        return;
    m_painter.setFont(m_font);
    const QFontMetricsF metrics(m_font, m_printer.get());
    // The position is the top of the line; text is drawn on its baseline.
    m_painter.drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()), text);
    m_y += metrics.height() * Twips::PerInch / m_printer->resolution();
}

void QtPageDrawing::printWindow(QWidget *clientArea)
{
    if (!clientArea || !m_printer)
        return;
    const double dpi = clientArea->logicalDpiX();
    // A window wider than the upright page's printable width goes on a page turned sideways,
    // so that it prints whole at its size on screen.
    const double widthInches = clientArea->width() / dpi;
    const QPageLayout upright = [this] {
        QPageLayout layout = m_printer->pageLayout();
        layout.setOrientation(QPageLayout::Portrait);
        return layout;
    }();
    const bool sideways = widthInches > upright.paintRect(QPageLayout::Inch).width();
    if (!startPage(sideways ? QPageLayout::Landscape : QPageLayout::Portrait))
        return;

    const double ratio = WindowImageDpi / dpi;
    QImage image(clientArea->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    clientArea->render(&image);
    const double scale = m_printer->resolution() / dpi;
    const QRectF target(0, 0, clientArea->width() * scale, clientArea->height() * scale);
    m_painter.drawImage(target, image);
}

void QtPageDrawing::paint(int xTwips, int yTwips, int widthTwips, int heightTwips,
    const std::function<void(QPainter &, const QRectF &)> &draw)
{
    if (!startPage(QPageLayout::Portrait))
        return;
    draw(m_painter,
        QRectF(toDevice(xTwips), toDevice(yTwips), toDevice(widthTwips), toDevice(heightTwips)));
}

void QtPageDrawing::newPage()
{
    // A page that has not started yet is started empty, so that no page is lost.
    if (startPage(QPageLayout::Portrait))
        m_printer->newPage();
}

bool QtPageDrawing::endPage()
{
    if (!startPage(QPageLayout::Portrait))
        return fail();
    const bool ended = m_painter.end();
    m_printer.reset();
    return ended ? true : fail();
}
