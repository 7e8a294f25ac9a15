// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QPainter;
class QRectF;
class QWidget;

// A document of one page or more drawn into a PDF file, whether the file is for the printer or for the user: text
// lines placed in twips from the top-left of the printable area (a position is the top of the
// line), or the image of a window at its physical size on screen.
class PageDrawing
{
public:
    virtual ~PageDrawing() = default;

    // Names of the fonts a page can be printed with, in the printer's own order.
    virtual QStringList fontNames() = 0;

    // Starts a page that endPage writes into this PDF file.
    virtual bool beginPage(const QString &pdfPath) = 0;
    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setPosition(int xTwips, int yTwips) = 0;
    // Prints one line at the current position and moves the position to the next line.
    virtual void printLine(const QString &text) = 0;
    // Prints the whole client area of the window at the page's top-left, at the physical
    // size it has on screen. Hidden controls are not drawn.
    virtual void printWindow(QWidget *clientArea) = 0;
    // Draws a picture in a box given in twips: draw gets the page's painter and the box in its
    // coordinates, and leaves the painter as it found it.
    virtual void paint(int xTwips, int yTwips, int widthTwips, int heightTwips,
        const std::function<void(QPainter &, const QRectF &)> &draw) = 0;
    // Ends the page drawn so far and starts the next one of the same document.
    virtual void newPage() = 0;
    // Writes the page into its file; false when it could not be drawn or written.
    virtual bool endPage() = 0;
};
