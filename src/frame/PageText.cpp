// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/PageText.h"

PageText::PageText(PageDrawing &page) : m_page(page)
{
    m_page.setFontName(QStringLiteral("Arial"));
}

void PageText::font(double points, bool bold)
{
    m_page.setFontSize(points);
    m_page.setFontBold(bold);
}

void PageText::line(int x, int y, const QString &text)
{
    m_page.setPosition(x, y);
    m_page.printLine(text);
}
