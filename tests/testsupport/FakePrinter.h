// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/PageDrawing.h"
#include "frame/PrinterQueue.h"

#include <QList>
#include <QRect>
#include <QString>
#include <functional>

// A page and a printer queue that record every page: the lines with their positions and fonts,
// and the windows printed as images.
class FakePrinter final : public PageDrawing, public PrinterQueue
{
public:
    struct Line
    {
        int x = 0;
        int y = 0;
        QString text;
        QString fontName;
        double fontSize = 0;
        bool bold = false;
        int page = 0; // in the document, from 0
    };
    struct Picture
    {
        QRect box; // twips
        int page = 0;
    };
    struct Page
    {
        QList<Line> lines;
        QList<QWidget *> windows;
        QList<Picture> pictures;
        int pageCount = 1;
        QString pdfPath; // the file it was saved as; empty when it went to the printer
    };

    // What a test scripts.
    QStringList fonts { QStringLiteral("Arial"), QStringLiteral("Courier New") };
    PrinterState state { PrinterState::Ready, QStringLiteral("Aula 3") };
    bool failOnEnd = false; // true: the queue refuses the job
    QString unwritableFolder; // a PDF file in this folder cannot be written
    // Runs while a window is being printed, to look at it as it is then.
    std::function<void(QWidget *)> onPrintWindow;

    // What the screens did.
    QList<Page> pages; // pages sent or saved
    int begun = 0; // pages begun, for the printer or a file
    int lookups = 0; // defaultPrinter() calls
    QList<std::function<void(JobFailure)>> watches; // one per job watched; call to fail it

    QStringList fontNames() override { return fonts; }
    PrinterState defaultPrinter() override
    {
        ++lookups;
        return state;
    }
    bool beginPage(const QString &pdfPath) override;
    void setFontName(const QString &name) override { m_name = name; }
    void setFontSize(double points) override { m_size = points; }
    void setFontBold(bool bold) override { m_bold = bold; }
    void setPosition(int xTwips, int yTwips) override;
    void printLine(const QString &text) override;
    void printWindow(QWidget *clientArea) override;
    void paint(int xTwips, int yTwips, int widthTwips, int heightTwips,
        const std::function<void(QPainter &, const QRectF &)> &draw) override;
    void newPage() override;
    bool endPage() override;
    QString pageFile() override { return PrinterPageFile; }
    bool submit(const QString &pageFile) override;
    QString errorText() const override { return m_error; }
    void watchJob(std::function<void(JobFailure)> failed) override;

    static constexpr int LineHeightTwips = 240;
    // The file a page for the printer is drawn into; its page is recorded without a path.
    static constexpr char PrinterPageFile[] = "fake-printer-page.pdf";

private:
    Page m_page;
    bool m_open = false;
    bool m_forPrinter = false; // the page is drawn for the printer
    bool m_sentLast = false; // the last page went to the printer
    QString m_name;
    double m_size = 0;
    bool m_bold = false;
    int m_x = 0;
    int m_y = 0;
    QString m_error;
};
