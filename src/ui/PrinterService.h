// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The printer as the screens use it: one page at a time, text lines placed in twips from the
// top-left of the printable area (a position is the top of the line), or the image of a
// window at its physical size on screen.
class PrinterService
{
public:
    virtual ~PrinterService() = default;

    // Names of the fonts the printer can print with, in the printer's own order.
    virtual QStringList fontNames() = 0;

    // Starts a page on the default printer; false (with errorText) when there is none or it
    // cannot be opened.
    virtual bool beginDocument() = 0;
    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setPosition(int xTwips, int yTwips) = 0;
    // Prints one line at the current position and moves the position to the next line.
    virtual void printLine(const QString &text) = 0;
    // Prints the whole client area of the window at the page's top-left, at the physical
    // size it has on screen. Hidden controls are not drawn.
    virtual void printWindow(QWidget *clientArea) = 0;
    // Sends the page; false (with errorText) when the job failed.
    virtual bool endDocument() = 0;
    // A short Italian sentence for the pupil about the last failure.
    virtual QString errorText() const = 0;
};
