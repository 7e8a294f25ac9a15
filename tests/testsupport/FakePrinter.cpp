// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakePrinter.h"

bool FakePrinter::beginDocument()
{
    ++begun;
    if (!available) {
        m_error = QStringLiteral("Stampa non riuscita: nessuna stampante disponibile");
        return false;
    }
    m_error.clear();
    m_page = Page();
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
    m_page.lines.append(Line { m_x, m_y, text, m_name, m_size, m_bold });
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

bool FakePrinter::endDocument()
{
    if (!m_open)
        return false;
    m_open = false;
    if (failOnEnd) {
        m_error = QStringLiteral("Stampa non riuscita: la stampante ha dato un errore");
        return false;
    }
    pages.append(m_page);
    return true;
}
