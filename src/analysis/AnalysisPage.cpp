// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "analysis/AnalysisPage.h"

#include "analysis/AnalysisText.h"
#include "core/MeasureWords.h"
#include "frame/PageText.h"

#include <array>

namespace {

// Twips from the top-left of the printable area; the page is portrait A4 or Letter.
constexpr int Left = 1000;
constexpr int TitleTop = 1000;
constexpr int HeadingTop = 1800;
constexpr int LineStep = 340;
constexpr int TableGap = 400;
constexpr int RowStep = 400;
constexpr std::array<int, 5> ColumnLeft { Left, 3900, 5400, 6700, 8500 };
constexpr int SectionGap = 600;
constexpr int SentenceGap = 160;
// Characters per printed line at 12 points, well inside the printable width.
constexpr int WrapWidth = 86;

class PageWriter : public PageText
{
public:
    using PageText::PageText;

    void row(int y, const QStringList &cells)
    {
        for (qsizetype column = 0; column < cells.size() && column < qsizetype(ColumnLeft.size());
             ++column)
            line(ColumnLeft[column], y, cells[column]);
    }
};

} // namespace

void drawAnalysisPage(
    PageDrawing &printer, const Analysis::Summary &summary, const QStringList &notes)
{
    PageWriter page(printer);
    page.font(18, true);
    page.line(Left, TitleTop, AnalysisText::title());

    int y = HeadingTop;
    page.font(12, false);
    for (const QString &text : AnalysisText::headingLines(summary)) {
        page.line(Left, y, text);
        y += LineStep;
    }
    for (const QString &text : Measures::measuresLines(summary.measures, WrapWidth)) {
        page.line(Left, y, text);
        y += LineStep;
    }

    if (!summary.rows.isEmpty()) {
        y += TableGap;
        page.font(12, true);
        page.row(y, AnalysisText::tableHeader());
        page.font(12, false);
        for (const Analysis::KindRow &row : summary.rows) {
            y += RowStep;
            page.row(y, AnalysisText::rowCells(row, summary.measures.timeHidden));
        }
        y += RowStep;
    }

    y += SectionGap - LineStep;
    page.font(12, true);
    page.line(Left, y, AnalysisText::errorsHeading());
    y += LineStep + SentenceGap;
    page.font(12, false);
    for (const QString &sentence : AnalysisText::errorLines(summary, notes)) {
        for (const QString &text : AnalysisText::wrapped(sentence, WrapWidth)) {
            page.line(Left, y, text);
            y += LineStep;
        }
        y += SentenceGap;
    }
}
