// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakePrinter.h"

#include <QFileInfo>
#include <utility>

bool FakePrinter::beginPage(const QString &pdfPath)
{
    ++begun;
    m_error.clear();
    m_forPrinter = pdfPath == QLatin1String(PrinterPageFile);
    m_page = Page();
    m_page.pdfPath = m_forPrinter ? QString() : pdfPath;
    m_open = true;
    return true;
}

void FakePrinter::setPosition(int xTwips, int yTwips)
{
    m_x = xTwips;
    m_y = yTwips;
}

void FakePrinter::printLine(const QString &text)
{
    if (!m_open)
        return;
    m_page.lines.append(Line { m_x, m_y, text, m_name, m_size, m_bold, m_page.pageCount - 1 });
    m_y += LineHeightTwips;
}

void FakePrinter::printWindow(QWidget *clientArea)
{
    if (!m_open)
        return;
    if (onPrintWindow)
        onPrintWindow(clientArea);
    m_page.windows.append(clientArea);
}

void FakePrinter::paint(int xTwips, int yTwips, int widthTwips, int heightTwips,
    const std::function<void(QPainter &, const QRectF &)> &)
{
    if (m_open)
        m_page.pictures.append(
            Picture { QRect(xTwips, yTwips, widthTwips, heightTwips), m_page.pageCount - 1 });
}

void FakePrinter::newPage()
{
    if (m_open)
        ++m_page.pageCount;
}

bool FakePrinter::endPage()
{
    if (!m_open)
        return false;
    m_open = false;
    m_sentLast = false;
    if (m_forPrinter)
        return true; // recorded when the queue takes it
    if (!unwritableFolder.isEmpty()
        && QFileInfo(m_page.pdfPath).absolutePath()
            == QFileInfo(unwritableFolder).absoluteFilePath())
        return false;
    pages.append(m_page);
    return true;
}

bool FakePrinter::submit(const QString &pageFile)
{
    if (!m_forPrinter || pageFile != QLatin1String(PrinterPageFile))
        return false;
    m_forPrinter = false;
    if (failOnEnd) {
        m_error = QStringLiteral(
            "Stampa non riuscita: la stampante %1 ha rifiutato il foglio (Job refused).")
                      .arg(state.name);
        return false;
    }
    pages.append(m_page);
    m_sentLast = true;
    return true;
}

void FakePrinter::watchJob(std::function<void(JobFailure)> failed)
{
    if (std::exchange(m_sentLast, false))
        watches.append(std::move(failed));
}
