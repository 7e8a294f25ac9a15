// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QPainter;
class QRectF;
class QWidget;

// The default printer as the spooler describes it before anything is sent.
struct PrinterState
{
    enum Kind {
        None, // no printer at all
        Ready, // idle or busy, and taking jobs
        Stopped, // paused: a job would wait in the queue
        Rejecting, // refuses new jobs
    };
    Kind kind = None;
    QString name; // the printer's name as the desktop shows it
};

// How a job that was accepted can still end without a page.
enum class JobFailure {
    Aborted, // the printer or its driver gave up
    Canceled, // someone cancelled it in the queue
};

// The printer as the screens use it: a document of one page or more, text lines placed in twips from the
// top-left of the printable area (a position is the top of the line), or the image of a
// window at its physical size on screen. The same page goes either to the default printer
// or into a PDF file: the drawing calls are the same.
class PrinterService
{
public:
    virtual ~PrinterService() = default;

    // Names of the fonts the printer can print with, in the printer's own order.
    virtual QStringList fontNames() = 0;

    // Looks up the default printer and remembers it for beginDocument.
    virtual PrinterState defaultPrinter() = 0;
    // Starts a page for the printer defaultPrinter() found; false (with errorText) when it
    // cannot be started.
    virtual bool beginDocument() = 0;
    // Starts a page that endDocument writes into this PDF file.
    virtual bool beginPdf(const QString &path) = 0;
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
    // Sends the page to the printer (which accepts it as a job) or writes the file; false
    // (with errorText) when the printer refused it or the file could not be written.
    virtual bool endDocument() = 0;
    // A short Italian sentence for the pupil about the last failure, with the spooler's own
    // reason when it gave one.
    virtual QString errorText() const = 0;

    // Keeps an eye on the job endDocument sent last, without blocking, for 30 seconds: calls
    // failed once if the spooler aborts or cancels it meanwhile. Does nothing after a file.
    virtual void watchJob(std::function<void(JobFailure)> failed) = 0;
};
