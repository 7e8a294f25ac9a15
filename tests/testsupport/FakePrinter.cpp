// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakePrinter.h"

#include <QFileInfo>
#include <utility>

bool FakePrinter::beginDocument()
{
    ++begun;
    m_error.clear();
    m_page = Page();
    m_open = true;
    return true;
}

bool FakePrinter::beginPdf(const QString &path)
{
    beginDocument();
    m_page.pdfPath = path;
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

bool FakePrinter::endDocument()
{
    if (!m_open)
        return false;
    m_open = false;
    m_sentLast = false;
    if (!m_page.pdfPath.isEmpty()) {
        if (!unwritableFolder.isEmpty()
            && QFileInfo(m_page.pdfPath).absolutePath()
                == QFileInfo(unwritableFolder).absoluteFilePath())
            return false;
    } else if (failOnEnd) {
        m_error = QStringLiteral(
            "Stampa non riuscita: la stampante %1 ha rifiutato il foglio (Job refused).")
                      .arg(state.name);
        return false;
    }
    pages.append(m_page);
    m_sentLast = m_page.pdfPath.isEmpty();
    return true;
}

void FakePrinter::watchJob(std::function<void(JobFailure)> failed)
{
    if (std::exchange(m_sentLast, false))
        watches.append(std::move(failed));
}
