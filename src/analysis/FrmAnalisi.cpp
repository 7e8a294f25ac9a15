// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "analysis/FrmAnalisi.h"

#include "analysis/AnalysisPage.h"
#include "analysis/AnalysisText.h"
#include "analysis/PracticeSheetPage.h"
#include "core/CertificateText.h"
#include "core/Hypothesis.h"
#include "core/MeasureWords.h"
#include "core/PupilKey.h"
#include "core/PupilName.h"
#include "core/ReaderThread.h"
#include "core/SessionRecord.h"
#include "core/StoredSession.h"
#include "frame/Clock.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/Messages.h"
#include "frame/PageDrawing.h"
#include "frame/PagePrinting.h"
#include "frame/RegisterReading.h"
#include "frame/SpokenStop.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
const QColor Background = Colour::rgb(128, 255, 255);
const QColor CellBackground = Colour::rgb(192, 255, 255);
const QColor DarkRed = Colour::rgb(192, 0, 0);

struct Column
{
    int left;
    int width;
};
constexpr Column TableColumns[] = { { 510, 3135 }, { 3660, 1755 }, { 5430, 1440 }, { 6885, 1800 },
    { 8700, 2535 } };
constexpr int TableTop = 2100;
constexpr int RowStep = 420;
constexpr int CellHeight = 405;
} // namespace

FrmAnalisi::FrmAnalisi(SessionRecord &session, Roles roles) : m_session(session), m_roles(roles)
{
    setObjectName(QStringLiteral("FrmAnalisi"));
    setWindowTitle(AnalysisText::title());
    buildControls();
    useFixedDialogFrame();
    setClientSize(11910, 9000);
    centreOnScreen();
    fill();
}

FrmAnalisi::~FrmAnalisi() = default;

void FrmAnalisi::buildControls()
{
    QWidget *area = client();
    Controls::setBackground(area, Background);

    lblTitolo = Controls::label(
        area, QStringLiteral("lblTitolo"), AnalysisText::title(), Controls::arial(15.75, true));
    Controls::place(lblTitolo, 510, 210, 10725, 525);
    Controls::setTextColour(lblTitolo, DarkRed);
    lblTitolo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    for (int line = 0; line < int(lblIntestazione.size()); ++line) {
        QLabel *label = Controls::label(area, QStringLiteral("lblIntestazione%1").arg(line + 1),
            QString(), Controls::arial(12, line == 0));
        Controls::place(label, 510, 900 + 360 * line, 10725, 345);
        label->setTextFormat(Qt::PlainText);
        lblIntestazione[line] = label;
    }

    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            QLabel *cell =
                Controls::label(area, QStringLiteral("lblTabella%1_%2").arg(row).arg(column),
                    QString(), Controls::arial(12, row == 0));
            const Column &place = TableColumns[column];
            Controls::place(cell, place.left, TableTop + RowStep * row, place.width, CellHeight);
            Controls::setBackground(cell, CellBackground);
            Controls::setTextColour(cell, DarkRed);
            cell->setAlignment(Qt::AlignVCenter | (column == 0 ? Qt::AlignLeft : Qt::AlignHCenter));
            cell->setIndent(column == 0 ? 6 : 0);
            lblTabella[row][column] = cell;
        }
    }
    const QStringList titles = AnalysisText::tableHeader();
    for (int column = 0; column < Columns; ++column)
        lblTabella[0][column]->setText(titles[column]);

    lblErrori = Controls::label(area, QStringLiteral("lblErrori"), AnalysisText::errorsHeading(),
        Controls::arial(12, true));
    Controls::place(lblErrori, 510, 3900, 10725, 345);
    Controls::setTextColour(lblErrori, DarkRed);

    // The sentences take the lines they need, one under the other.
    QWidget *sentences = Controls::panel(area, QStringLiteral("fraErrori"), Background);
    Controls::place(sentences, 510, 4320, 10725, 3600);
    auto *column = new QVBoxLayout(sentences);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    for (int line = 0; line < MostErrorLines; ++line) {
        QLabel *label = Controls::label(
            sentences, QStringLiteral("lblErrore%1").arg(line + 1), QString(), Controls::arial(12));
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->hide();
        column->addWidget(label);
        lblErrore[line] = label;
    }
    column->addStretch(1);

    // Created in tab order: ESCI, then the print buttons, as on the report.
    cmdEsci = Controls::button(
        area, QStringLiteral("cmdEsci"), QStringLiteral("ESCI"), Controls::arial(11.25, true));
    Controls::place(cmdEsci, 1110, 8130, 2955, 585);
    Controls::setBackground(cmdEsci, Background);
    cmdEsci->setAccessibleName(QStringLiteral("Esci"));
    cmdStampaA = Controls::button(area, QStringLiteral("cmdStampaA"),
        QStringLiteral("STAMPA L'ANALISI"), Controls::arial(11.25, true));
    Controls::place(cmdStampaA, 4470, 8130, 2955, 585);
    Controls::setBackground(cmdStampaA, Background);
    cmdStampaA->setAccessibleName(QStringLiteral("Stampa l'analisi"));
    cmdStampaScheda = Controls::button(area, QStringLiteral("cmdStampaScheda"),
        QStringLiteral("STAMPA LA SCHEDA"), Controls::arial(11.25, true));
    Controls::place(cmdStampaScheda, 7830, 8130, 2955, 585);
    Controls::setBackground(cmdStampaScheda, Background);
    cmdStampaScheda->setAccessibleName(QStringLiteral("Stampa la scheda di esercizi"));
    setTabOrder(cmdEsci, cmdStampaA);
    setTabOrder(cmdStampaA, cmdStampaScheda);
    // Made after the buttons, so that Tab comes to them after the buttons, top to bottom.
    for (int line = 0; line < int(lblIntestazione.size()); ++line)
        m_headingWords[line] = new SpokenStop(lblIntestazione[line]);
    for (int row = 1; row < Rows; ++row)
        m_rowWords[row] = new SpokenStop(lblTabella[row][0]);
    for (int line = 0; line < MostErrorLines; ++line)
        m_errorWords[line] = new SpokenStop(lblErrore[line]);
    // As on the certificate, Ctrl+S saves the page as a PDF file.
    auto *save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this,
        [this] { PagePrinting::saveAsPdf(printRoles(), page()); });

    connect(cmdEsci, &QPushButton::clicked, this, &FrmAnalisi::cmdEsci_Click);
    connect(cmdStampaA, &QPushButton::clicked, this, &FrmAnalisi::cmdStampaA_Click);
    connect(cmdStampaScheda, &QPushButton::clicked, this, &FrmAnalisi::cmdStampaScheda_Click);
}

void FrmAnalisi::fill()
{
    setWindowTitle(Register::windowTitleFor(AnalysisText::title(), m_session));
    const Analysis::Summary summary = Analysis::summarise(m_session, sessionDate());

    const QStringList heading = AnalysisText::headingLines(summary);
    for (int line = 0; line < int(lblIntestazione.size()); ++line) {
        lblIntestazione[line]->setText(heading.value(line));
        m_headingWords[line]->setWords(heading.value(line));
    }

    const QStringList titles = AnalysisText::tableHeader();
    for (int row = 1; row < Rows; ++row) {
        const bool shown = row <= summary.rows.size();
        const QStringList cells = shown
            ? AnalysisText::rowCells(summary.rows[row - 1], summary.measures.timeHidden)
            : QStringList();
        QStringList rowWords { cells.value(0) };
        for (int column = 0; column < Columns; ++column) {
            QLabel *cell = lblTabella[row][column];
            cell->setVisible(shown);
            cell->setText(cells.value(column));
            // Read with its row and column, not as a bare number.
            const bool spoken = shown && column > 0 && !cells[column].isEmpty();
            cell->setAccessibleName(spoken ? cells[0] + QStringLiteral(", ") + titles[column]
                        + QStringLiteral(": ") + cells[column]
                                           : cells.value(column));
            if (spoken)
                rowWords.append(titles[column] + QStringLiteral(": ") + cells[column]);
        }
        m_rowWords[row]->setWords(shown ? rowWords.join(QStringLiteral(", ")) : QString());
    }
    for (int column = 0; column < Columns; ++column)
        lblTabella[0][column]->setVisible(!summary.rows.isEmpty());
    // Under the sentences, above the buttons: the only free strip of the screen.
    Controls::setOptionalLine(lblMisure, client(), QStringLiteral("lblMisure"),
        Measures::measuresLine(summary.measures), Controls::sansSerif(8.25, true),
        QRect(510, 7935, 10725, 195));

    m_notes.clear();
    showSentences(AnalysisText::errorLines(summary));
    readHypotheses(summary);
}

void FrmAnalisi::showSentences(const QStringList &sentences)
{
    for (int line = 0; line < MostErrorLines; ++line) {
        QLabel *label = lblErrore[line];
        // An example in brackets stays whole on one line; a screen reader reads plain blanks.
        label->setText(AnalysisText::withWholeBrackets(sentences.value(line)));
        label->setAccessibleName(sentences.value(line));
        label->setVisible(line < sentences.size());
        m_errorWords[line]->setWords(sentences.value(line));
    }
}

void FrmAnalisi::readHypotheses(const Analysis::Summary &summary)
{
    const int reading = ++m_readings;
    if (summary.recurring.isEmpty())
        return;
    if (!m_reader)
        m_reader = m_roles.reading.openReader();
    if (!m_reader)
        return;
    m_reader->run([key = pupilKey(m_session.PupilName)](
                      Register::Opened &opened) { return opened.reader->datedTallies(key); },
        [this, reading, summary](const QList<Hypothesis::DatedTallies> &stored, bool failed) {
            if (reading != m_readings)
                return;
            if (failed) {
                showSentences(AnalysisText::errorLines(summary) << Register::readFailedText());
                return;
            }
            m_notes = hypothesisNotes(summary, stored);
            showSentences(AnalysisText::errorLines(summary, m_notes));
        });
}

QStringList FrmAnalisi::hypothesisNotes(
    const Analysis::Summary &summary, QList<Hypothesis::DatedTallies> sessions)
{
    // A session on show counts today, whether or not the register has written it yet: kept
    // twice, it changes nothing, as this day recurs anyway. A session read back from the
    // register is among them already.
    const QDate today = m_roles.clock.today();
    if (m_session.SessionDate.isEmpty())
        sessions.append({ today, Hypothesis::talliesOf(Analysis::judgedOperations(m_session)) });
    QStringList notes;
    for (const Analysis::ErrorTally &tally : summary.recurring)
        notes.append(Hypothesis::note(Hypothesis::status(tally.error, sessions), today));
    return notes;
}

PagePrinting::Roles FrmAnalisi::printRoles() const
{
    return { m_roles.printing, m_roles.messages, m_roles.clock };
}

QString FrmAnalisi::sessionDate() const
{
    return m_session.SessionDate.isEmpty() ? m_roles.clock.shortDate() : m_session.SessionDate;
}

void FrmAnalisi::onActivate()
{
    fill();
}

void FrmAnalisi::showEvent(QShowEvent *event)
{
    fill();
    Screen::showEvent(event);
}

void FrmAnalisi::cmdEsci_Click()
{
    close();
}

void FrmAnalisi::cmdStampaA_Click()
{
    printAnalysis();
}

void FrmAnalisi::printAnalysis()
{
    PagePrinting::print(printRoles(), page());
}

PrintPage FrmAnalisi::page()
{
    // The notes on show: the register is not read again for the page.
    const Analysis::Summary summary = Analysis::summarise(m_session, sessionDate());
    return PrintPage { QStringLiteral("Analisi"),
        PupilName::capitalised(m_session.PupilName, QLocale()),
        [summary, notes = m_notes](
            PageDrawing &printer) { drawAnalysisPage(printer, summary, notes); } };
}

void FrmAnalisi::cmdStampaScheda_Click()
{
    printSheet();
}

void FrmAnalisi::printSheet()
{
    // Without a range chosen there are no numbers to practise with.
    if (practiceSheet().items.isEmpty()) {
        m_roles.messages.beep();
        return;
    }
    PagePrinting::print(printRoles(), sheetPage());
}

PracticeSheet::Sheet FrmAnalisi::practiceSheet() const
{
    const QList<JudgedOperation> operations = Analysis::judgedOperations(m_session);
    // The same session gives the same sheet, however often it is printed.
    const PracticeSheet::Choice choice { m_session.RangeLevel, m_session.AskedTermLow,
        m_session.AskedTermHigh, PracticeSheet::sessionSeed(m_session.PupilName, operations) };
    return PracticeSheet::choose(Analysis::summarise(operations), choice);
}

PrintPage FrmAnalisi::sheetPage()
{
    const QString pupil = PupilName::capitalised(m_session.PupilName, QLocale());
    return PrintPage { QStringLiteral("Scheda"), pupil, [this, pupil](PageDrawing &printer) {
                          drawPracticeSheet(
                              printer, practiceSheet(), pupil, m_roles.clock.shortDate());
                      } };
}
