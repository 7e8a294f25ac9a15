// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/PageDrawing.h"

// Text lines on a page being drawn, each placed in twips: what the printed pages made of
// sentences and tables write with. The font is Arial unless a page sets another.
class PageText
{
public:
    explicit PageText(PageDrawing &page);

    void font(double points, bool bold);
    void line(int x, int y, const QString &text);

protected:
    PageDrawing &m_page;
};
