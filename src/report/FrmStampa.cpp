// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "report/FrmStampa.h"

#include "core/MeasureWords.h"
#include "core/PupilName.h"
#include "core/ReportLayout.h"
#include "core/ReportWords.h"
#include "core/SessionRecord.h"
#include "core/StoredSession.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/PageDrawing.h"
#include "frame/PagePrinting.h"
#include "frame/ScreenRegistry.h"
#include "frame/SpokenStop.h"
#include "report/ReportFont.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

namespace {
const QColor Background = Colour::rgb(128, 255, 255);
const QColor CellBackground = Colour::rgb(192, 255, 255);
const QColor DarkRed = Colour::rgb(192, 0, 0);
const QColor CertificatePink = Colour::rgb(255, 192, 255);

QFont qFont(const ReportFont::CellFont &font)
{
    return Controls::font(font.family, font.points, font.bold);
}
} // namespace

FrmStampa::FrmStampa(
    SessionRecord &session, ScreenRegistry &screens, PagePrinting::Roles roles, Kind kind)
    : m_session(session), m_screens(screens), m_roles(roles), m_kind(kind)
{
    setObjectName(QStringLiteral("FrmStampa"));
    buildControls();
    useFixedDialogFrame();
    setClientSize(11910, 8340);
    centreOnScreen();
    Form_Load();
}

void FrmStampa::buildControls()
{
    // The menu comes first so that the window's size makes room for it.
    MnuFile = addMenuOpenedByAlt(QStringLiteral("File"));
    MnuFile->setObjectName(QStringLiteral("MnuFile"));
    mnuSalvaPdf = MnuFile->addAction(QStringLiteral("Salva come PDF…"));
    mnuSalvaPdf->setObjectName(QStringLiteral("mnuSalvaPdf"));
    mnuSalvaPdf->setShortcut(QKeySequence::Save);
    connect(mnuSalvaPdf, &QAction::triggered, this, &FrmStampa::mnuSalvaPdf_Click);
    mnuAnalisi = MnuFile->addAction(QStringLiteral("&Analisi degli errori"));
    mnuAnalisi->setObjectName(QStringLiteral("mnuAnalisi"));
    connect(mnuAnalisi, &QAction::triggered, this, [this] {
        m_screens.show(m_kind == Kind::Stored ? ScreenId::StoredAnalysis : ScreenId::Analysis);
    });
    MnuEsci = MnuFile->addAction(QStringLiteral("Esci"));
    MnuEsci->setObjectName(QStringLiteral("MnuEsci"));
    connect(MnuEsci, &QAction::triggered, this, &FrmStampa::mnuEsci_Click);

    QWidget *area = client();
    Controls::setBackground(area, Background);

    Label5 = Controls::label(area, QStringLiteral("Label5"),
        QStringLiteral("E S E R C I Z I   E S E G U I T I "), Controls::arial(15.75, true));
    Controls::place(Label5, 510, 210, 10725, 525);
    Controls::setTextColour(Label5, DarkRed);
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const QFont designFont = qFont(ReportFont::cellFont(QString()));
    for (int i = 1; i <= ReportLayout::RecordCount; ++i) {
        QLabel *cell =
            Controls::label(area, QStringLiteral("LblOp%1").arg(i), QString(), designFont);
        const QRect place = ReportLayout::cellRect(i);
        Controls::place(cell, place.x(), place.y(), place.width(), place.height());
        Controls::setBackground(cell, CellBackground);
        Controls::setTextColour(cell, DarkRed);
        // A record is shown exactly as stored, never read as markup.
        cell->setTextFormat(Qt::PlainText);
        LblOp[i] = cell;
    }

    struct TimeBox
    {
        QLabel *&label;
        int left;
        int width;
        double points;
    };
    const TimeBox boxes[] = { { Label1, 510, 2475, 9.75 }, { Label2, 3240, 2445, 9.75 },
        { Label3, 6000, 2475, 9.75 }, { Label4, 8910, 2445, 8.25 } };
    int number = 1;
    for (const TimeBox &box : boxes) {
        box.label = Controls::label(area, QStringLiteral("Label%1").arg(number++),
            QStringLiteral("Tempo totale"), Controls::sansSerif(box.points, true));
        Controls::place(box.label, box.left, 5520, box.width, 525);
        Controls::setBackground(box.label, CellBackground);
        box.label->setFrameStyle(QFrame::Box | QFrame::Plain);
        box.label->setLineWidth(1);
        // Where the dialog face is wider than the box, the time goes to a second line rather
        // than out of sight.
        box.label->setWordWrap(true);
    }

    Label6 = Controls::label(area, QStringLiteral("Label6"), QString(), Controls::sansSerif(8.25));
    Controls::place(Label6, 90, 7980, 2565, 195);

    // Created in tab order: ESCI, then the print button, then the certificate.
    Command1 = Controls::button(
        area, QStringLiteral("Command1"), QStringLiteral("ESCI"), Controls::arial(11.25, true));
    Controls::place(Command1, 1650, 6390, 2955, 585);
    Controls::setBackground(Command1, Background);
    cmdStampaS = Controls::button(area, QStringLiteral("cmdStampaS"),
        QStringLiteral("STAMPA LE OPERAZIONI"), Controls::arial(11.25, true));
    Controls::place(cmdStampaS, 4920, 6390, 2955, 585);
    Controls::setBackground(cmdStampaS, Background);
    Command2 = Controls::button(area, QStringLiteral("Command2"),
        QStringLiteral("Visualizza attestato"), Controls::arial(12, true));
    Controls::place(Command2, 8190, 6390, 2955, 585);
    Controls::setBackground(Command2, CertificatePink);
    Command2->setVisible(m_kind == Kind::Current);
    setTabOrder(Command1, cmdStampaS);
    setTabOrder(cmdStampaS, Command2);
    // Made after the buttons, so that Tab comes to them after the buttons, in reading order.
    for (int i = 1; i <= ReportLayout::RecordCount; ++i)
        m_recordWords[i] = new SpokenStop(LblOp[i]);
    for (int k = 0; k < ReportLayout::ExerciseCount; ++k)
        m_timeWords[k] = new SpokenStop(boxes[k].label);

    connect(Command1, &QPushButton::clicked, this, &FrmStampa::Command1_Click);
    connect(cmdStampaS, &QPushButton::clicked, this, &FrmStampa::CmdStampaS_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmStampa::Command2_Click);
}

void FrmStampa::Form_Load()
{
    m_fontName = ReportFont::findCourier(m_roles.printing.pageDrawing().fontNames());
    if (m_fontName.isEmpty())
        m_roles.messages.messageBox(ReportFont::missingFontMessage(), MsgBox::OkOnly, QString());
    fill();
}

// Without a Courier face the lines would not line up: the screen keeps its design state.
void FrmStampa::fill()
{
    setWindowTitle(Register::windowTitleFor(QStringLiteral("STAMPA DELLE OPERAZIONI"), m_session));
    if (m_fontName.isEmpty())
        return;
    const int count = std::clamp(m_session.OpCount, 0, ReportLayout::RecordCount);
    const QFont filledFont = qFont(ReportFont::cellFont(m_fontName));
    const QFont designFont = qFont(ReportFont::cellFont(QString()));
    for (int i = 1; i <= ReportLayout::RecordCount; ++i) {
        const bool filled = i <= count;
        LblOp[i]->setFont(filled ? filledFont : designFont);
        LblOp[i]->setText(filled ? m_session.OpRecords[i] : QString());
        const QString words = filled ? ReportWords::record(i, m_session.OpRecords[i]) : QString();
        LblOp[i]->setAccessibleDescription(words);
        m_recordWords[i]->setWords(words);
    }
    QLabel *const boxes[] = { Label1, Label2, Label3, Label4 };
    const bool timeHidden = m_session.PupilMeasures.timeHidden;
    for (int k = 1; k <= ReportLayout::ExerciseCount; ++k) {
        boxes[k - 1]->setText(
            timeHidden ? QString() : ReportLayout::timeBoxText(m_session.ExerciseTimeText[k]));
        const QString words =
            timeHidden ? QString() : ReportWords::timeBox(k, m_session.ExerciseTimeText[k]);
        boxes[k - 1]->setAccessibleDescription(words);
        m_timeWords[k - 1]->setWords(words);
    }
    Label6->setText(m_fontName);
    Controls::setOptionalLine(lblMisure, client(), QStringLiteral("lblMisure"),
        Measures::measuresLine(m_session.PupilMeasures), Controls::sansSerif(9.75, true),
        QRect(510, 7155, 10725, 285));
}

void FrmStampa::readSession()
{
    if (!m_session.ReportFocusOnPrint)
        return;
    m_session.ReportFocusOnPrint = false;
    cmdStampaS->setFocus();
}

void FrmStampa::onActivate()
{
    fill();
}

void FrmStampa::showEvent(QShowEvent *event)
{
    fill();
    Screen::showEvent(event);
}

// Closing keeps the exercise times: they belong to the session, not to this screen.
void FrmStampa::Command1_Click()
{
    close();
}

void FrmStampa::CmdStampaS_Click()
{
    printOperations();
}

void FrmStampa::Command2_Click()
{
    m_screens.show(ScreenId::Certificate);
}

void FrmStampa::mnuEsci_Click()
{
    close();
}

void FrmStampa::printOperations()
{
    const QString fontName = courierForPage();
    if (!fontName.isEmpty())
        PagePrinting::print(m_roles, page(fontName));
}

void FrmStampa::mnuSalvaPdf_Click()
{
    const QString fontName = courierForPage();
    if (!fontName.isEmpty())
        PagePrinting::saveAsPdf(m_roles, page(fontName));
}

// Without a Courier face the columns of the records would not line up: no page at all.
QString FrmStampa::courierForPage()
{
    const QString fontName = ReportFont::findCourier(m_roles.printing.pageDrawing().fontNames());
    if (fontName.isEmpty())
        m_roles.messages.messageBox(ReportFont::missingFontMessage(), MsgBox::OkOnly, QString());
    return fontName;
}

PrintPage FrmStampa::page(const QString &fontName)
{
    return PrintPage { QStringLiteral("Operazioni"),
        PupilName::capitalised(m_session.PupilName, QLocale()),
        [this, fontName](PageDrawing &printer) { drawPage(printer, fontName); } };
}

void FrmStampa::drawPage(PageDrawing &printer, const QString &fontName)
{
    printer.setFontName(fontName);
    printHeader(printer);
    printer.setFontSize(12);
    printer.setFontBold(true);
    const int count = std::clamp(m_session.OpCount, 0, ReportLayout::RecordCount);
    for (int i = 1; i <= count; ++i) {
        const QPoint at = ReportLayout::recordPosition(i);
        printer.setPosition(at.x(), at.y());
        printer.printLine(m_session.OpRecords[i]);
    }
    if (!m_session.PupilMeasures.timeHidden) {
        for (int k = 1; k <= ReportLayout::ExerciseCount; ++k) {
            const QPoint at = ReportLayout::timeLinePosition(k);
            printer.setPosition(at.x(), at.y());
            printer.printLine(ReportLayout::timeLineText(k, m_session.ExerciseTimeText[k]));
        }
    }
    const QStringList measures =
        Measures::measuresLines(m_session.PupilMeasures, ReportLayout::MeasuresLineChars);
    if (!measures.isEmpty()) {
        const QPoint at = ReportLayout::measuresLinePosition();
        printer.setPosition(at.x(), at.y());
        printer.setFontSize(10);
        printer.setFontBold(false);
        for (const QString &line : measures)
            printer.printLine(line);
    }
}

void FrmStampa::printHeader(PageDrawing &printer)
{
    const QPoint header = ReportLayout::headerPosition();
    printer.setPosition(header.x(), header.y());
    printer.setFontSize(18);
    printer.setFontBold(false);
    printer.printLine(ReportLayout::headerText());
    const QPoint below = ReportLayout::belowHeaderPosition();
    printer.setPosition(below.x(), below.y());
    printer.setFontSize(12);
}
