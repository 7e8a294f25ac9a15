// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "analysis/PracticeSheetPage.h"

#include "analysis/AnalysisText.h"
#include "core/ColumnForm.h"
#include "frame/ColumnWorking.h"
#include "frame/PageText.h"

#include <QPainter>

namespace {

// Twips from the top-left of the printable area of a portrait A4 or Letter page.
constexpr int Left = 800;
constexpr int TitleTop = 600;
constexpr int NameTop = 1300;
constexpr int DateLeft = 6000;
constexpr int SentenceTop = 1900;
constexpr int LineStep = 330;
constexpr int SentenceWidth = 75; // characters at 13 points
constexpr int SectionGap = 300;
constexpr int ExampleWidth = 2600;
constexpr int ExampleHeight = 2000;
constexpr int WordsLeft = Left + 3000;
constexpr int WordsWidth = 55; // characters at 11 points beside the example
constexpr int GridColumns = 4;
constexpr int CellWidth = 2500;
constexpr int CellHeight = 2800;
constexpr int NumberWidth = 400;
constexpr int DrawingHeight = 2500;
constexpr int KeyStep = 400;
constexpr int KeyWidth = 86;

const ColumnWorking::Inks PaperInks { Qt::black, QColor(192, 0, 0), QColor(64, 64, 64) };

class SheetWriter : public PageText
{
public:
    using PageText::PageText;

    // A sentence over as many lines as it takes; returns the top of the next line.
    int wrapped(int x, int y, const QString &text, int width)
    {
        for (const QString &part : AnalysisText::wrapped(text, width)) {
            line(x, y, part);
            y += LineStep;
        }
        return y;
    }
    void form(int x, int y, int width, int height, const ColumnForm::Form &form)
    {
        m_page.paint(x, y, width, height, [&form](QPainter &painter, const QRectF &box) {
            ColumnWorking::paint(painter, box, form, PaperInks);
        });
    }
};

QString itemNumber(qsizetype index)
{
    return QStringLiteral("%1.").arg(index + 1);
}

} // namespace

void drawPracticeSheet(PageDrawing &printer, const PracticeSheet::Sheet &sheet,
    const QString &pupil, const QString &date)
{
    SheetWriter page(printer);
    const QString name = pupil.isEmpty() ? QStringLiteral("Alunno senza nome") : pupil;
    page.font(20, true);
    page.line(Left, TitleTop, PracticeSheet::title());
    page.font(12, false);
    page.line(Left, NameTop, QStringLiteral("Nome: ") + name);
    page.line(DateLeft, NameTop, QStringLiteral("Data: ") + date);
    page.font(13, true);
    int y = page.wrapped(Left, SentenceTop, PracticeSheet::errorSentence(sheet), SentenceWidth);

    y += SectionGap;
    page.font(12, true);
    page.line(Left, y, QStringLiteral("Esempio svolto"));
    y += LineStep + SectionGap / 2;
    const PracticeSheet::Item &example = sheet.example;
    page.form(Left, y, ExampleWidth, ExampleHeight,
        ColumnForm::worked(example.minuend, example.subtrahend, example.askedTerm));
    page.font(11, false);
    page.line(WordsLeft, y, PracticeSheet::question(example));
    page.wrapped(WordsLeft, y + LineStep,
        ColumnForm::words(example.minuend, example.subtrahend, example.askedTerm), WordsWidth);
    y += ExampleHeight + SectionGap;

    page.font(12, true);
    page.line(Left, y, QStringLiteral("Esegui in colonna"));
    y += LineStep + SectionGap / 2;
    for (qsizetype index = 0; index < sheet.items.size(); ++index) {
        const PracticeSheet::Item &item = sheet.items[index];
        const int x = Left + CellWidth * int(index % GridColumns);
        const int top = y + CellHeight * int(index / GridColumns);
        page.font(11, true);
        page.line(x, top, itemNumber(index));
        page.form(x + NumberWidth, top, CellWidth - NumberWidth - 100, DrawingHeight,
            ColumnForm::exercise(item.minuend, item.subtrahend, item.askedTerm));
    }

    // The teacher's key on a page of its own.
    printer.newPage();
    page.font(16, true);
    page.line(Left, TitleTop, PracticeSheet::title() + QStringLiteral(": SOLUZIONI"));
    page.font(12, false);
    page.line(Left, NameTop, name + QStringLiteral(", ") + date);
    page.line(Left, NameTop + LineStep,
        sheet.error == Analysis::Error::None
            ? QStringLiteral("Tipo di sottrazione: ") + AnalysisText::kindName(sheet.kind)
            : QStringLiteral("Errore: ") + Analysis::errorName(sheet.error));
    y = page.wrapped(
        Left, NameTop + 2 * LineStep + SectionGap / 2, PracticeSheet::keyNote(sheet), KeyWidth);
    y += SectionGap;
    for (qsizetype index = 0; index < sheet.items.size(); ++index) {
        const QString text = itemNumber(index) + QLatin1Char(' ')
            + PracticeSheet::keyLine(sheet, sheet.items[index]);
        for (const QString &part : AnalysisText::wrapped(text, KeyWidth)) {
            page.line(Left, y, part);
            y += LineStep;
        }
        y += KeyStep - LineStep;
    }
}
