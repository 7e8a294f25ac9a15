// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "certificate/FrmAttestato.h"

#include "certificate/CertificateArt.h"
#include "core/CertificateText.h"
#include "core/MeasureWords.h"
#include "core/PlainWords.h"
#include "core/SessionRecord.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/Launcher.h"
#include "frame/PageDrawing.h"
#include "frame/PagePrinting.h"
#include "frame/SpokenStop.h"

#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr int ClientWidth = 12000;
constexpr int ClientHeight = 9000;
constexpr int BlockWidth = 6090;
constexpr int BlockHeight = 8460;
constexpr int BlockTop = 465;

const QColor WindowPink = Colour::rgb(255, 192, 192);
const QColor CardCyan = Colour::rgb(192, 255, 255);
const QColor ButtonPink = Colour::rgb(255, 192, 255);
const QColor Blue = Colour::rgb(0, 0, 255);
const QColor Red = Colour::rgb(255, 0, 0);
const QColor Black = Colour::rgb(0, 0, 0);

// The left edge that centres the block in the window.
int centredBlockLeft()
{
    return (ClientWidth - BlockWidth) / 2;
}

} // namespace

FrmAttestato::FrmAttestato(SessionRecord &session, PagePrinting::Roles roles, Launcher &launcher)
    : m_session(session), m_roles(roles), m_launcher(launcher)
{
    setObjectName(QStringLiteral("FrmAttestato"));
    setWindowTitle(QStringLiteral("ATTESTATO"));
    // A bare card on the desk: no title bar, no border.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setClientSize(ClientWidth, ClientHeight);
    Controls::setBackground(client(), WindowPink);

    Frame2 = Controls::panel(client(), QStringLiteral("Frame2"), WindowPink);
    Controls::place(Frame2, centredBlockLeft(), BlockTop, BlockWidth, BlockHeight);

    Frame1 = Controls::panel(Frame2, QStringLiteral("Frame1"), CardCyan);
    Controls::place(Frame1, 465, 150, 5205, 6840);

    // Made first, so that every label lies over it.
    Image1 = new CertificateArt(Frame1);
    Controls::place(Image1, 75, 345, 4890, 6390);

    const auto makeLabel = [this](const QString &name, const QString &text, const QFont &font,
                               const QColor &colour, Qt::Alignment alignment) {
        QLabel *label = Controls::label(Frame1, name, text, font);
        Controls::setTextColour(label, colour);
        label->setAlignment(alignment | Qt::AlignTop);
        return label;
    };
    const Qt::Alignment centred = Qt::AlignHCenter;
    const Qt::Alignment left = Qt::AlignLeft;
    const QString unknown = QStringLiteral("???");

    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("ATTESTATO"),
        Controls::arial(18, true), Blue, centred);
    Controls::setBackground(Label1, Qt::white);
    Controls::place(Label1, 1080, 1020, 2175, 390);

    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("rilasciato a"),
        Controls::arial(9.75, true), Black, centred);
    Controls::place(Label2, 1290, 1425, 1695, 255);

    lblNome = makeLabel(QStringLiteral("lblNome"), QStringLiteral("Nome Cognome"),
        Controls::arial(20.25, true), Blue, centred);
    Controls::place(lblNome, 600, 1695, 3450, 555);

    lblMotivo = makeLabel(
        QStringLiteral("lblMotivo"), unknown, Controls::arial(9.75, true), Black, centred);
    Controls::place(lblMotivo, 1005, 2190, 3030, 360);

    lblObiettivo1 =
        makeLabel(QStringLiteral("lblObiettivo1"), unknown, Controls::arial(8.25, true), Red, left);
    Controls::place(lblObiettivo1, 1245, 2580, 2535, 330);

    // The longest mode caption takes two lines of this box.
    lblObiettivo3 = makeLabel(
        QStringLiteral("lblObiettivo3"), unknown, Controls::sansSerif(8.25, true), Red, left);
    lblObiettivo3->setWordWrap(true);
    Controls::place(lblObiettivo3, 1260, 2910, 2910, 405);

    lblObiettivo2 = makeLabel(
        QStringLiteral("lblObiettivo2"), unknown, Controls::sansSerif(8.25, true), Red, left);
    Controls::place(lblObiettivo2, 1230, 3360, 2535, 315);

    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("con la valutazione"),
        Controls::arial(9.75, true), Black, centred);
    Controls::place(Label3, 1395, 3600, 2505, 195);

    lblRapporto = makeLabel(
        QStringLiteral("lblRapporto"), unknown, Controls::arial(14.25, true), Blue, centred);
    Controls::place(lblRapporto, 1110, 3945, 3315, 375);

    // "Per aver dato 40 risposte esatte su 40" takes two lines of its box too.
    lblPerche = makeLabel(
        QStringLiteral("lblPerche"), unknown, Controls::arial(8.25, true), Black, centred);
    lblPerche->setWordWrap(true);
    Controls::place(lblPerche, 1395, 4500, 2385, 375);

    lblData =
        makeLabel(QStringLiteral("lblData"), unknown, Controls::arial(8.25, true), Black, left);
    Controls::place(lblData, 1680, 5100, 2475, 255);

    const auto makeButton = [this](const QString &name, const QString &caption) {
        QPushButton *button = Controls::button(Frame2, name, caption, Controls::arial(8.25, true));
        Controls::setBackground(button, ButtonPink);
        button->setAutoDefault(false);
        return button;
    };
    Command2 = makeButton(QStringLiteral("Command2"), CertificateText::printCaption(true));
    Controls::place(Command2, 465, 7050, 5205, 450);
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("FINE SESSIONE"));
    Controls::place(Command1, 450, 7590, 2550, 450);
    CmdFine = makeButton(QStringLiteral("CmdFine"), QStringLiteral("ESCI"));
    Controls::place(CmdFine, 3045, 7605, 2580, 450);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, CmdFine);
    // Made after the buttons, so that Tab comes to the texts after them, top to bottom.
    for (QLabel *label : { Label1, Label2, lblNome, lblMotivo, lblObiettivo1, lblObiettivo3,
             lblObiettivo2, Label3, lblRapporto, lblPerche, lblData })
        m_words.append({ label, new SpokenStop(label) });

    connect(Command2, &QPushButton::clicked, this, &FrmAttestato::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &FrmAttestato::Command1_Click);
    connect(CmdFine, &QPushButton::clicked, this, &FrmAttestato::cmdFine_Click);
    // The card has no menu: Ctrl+S saves it as a PDF file.
    auto *save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &FrmAttestato::savePdf);

    centreOnScreen();
}

void FrmAttestato::Form_Activate()
{
    Controls::place(Frame2, centredBlockLeft(), BlockTop, BlockWidth, BlockHeight);

    const CertificateTexts texts =
        CertificateText::certificateTexts(m_session, m_roles.clock.shortDate(), QLocale());
    lblData->setText(texts.date);
    lblNome->setText(texts.name);
    lblMotivo->setText(texts.motive);
    lblObiettivo1->setText(texts.objective);
    lblObiettivo3->setText(texts.mode);
    lblObiettivo3->setAccessibleDescription(texts.spokenMode);
    lblObiettivo2->setText(texts.range);
    lblRapporto->setText(texts.gradeWord);
    lblRapporto->setAccessibleDescription(texts.spokenGrade);
    Command2->setText(texts.printCaption);
    Command2->setEnabled(texts.printable);
    lblPerche->setText(texts.count);
    // Under the date, where the card is bare: the measures, on the card and so on paper.
    Controls::setOptionalLine(lblMisure, Frame1, QStringLiteral("lblMisure"),
        Measures::measuresLine(m_session.PupilMeasures), Controls::arial(6.75, true),
        QRect(600, 5460, 3960, 570));
    if (lblMisure)
        lblMisure->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (const auto &[label, words] : std::as_const(m_words))
        words->setWords(spokenText(label));

    focusFirstEnabledButton();
}

// A text in words: the mode without abbreviations, the grade with its mark, the rest as shown.
QString FrmAttestato::spokenText(const QLabel *label) const
{
    const QString described = label->accessibleDescription();
    return described.isEmpty() ? PlainWords::of(label->text()).simplified() : described;
}

void FrmAttestato::focusFirstEnabledButton()
{
    QWidget *focused = focusWidget();
    if (focused && focused->isEnabled() && focused->isVisible())
        return;
    for (QPushButton *button : { Command2, Command1, CmdFine }) {
        if (button->isEnabled() && button->isVisible()) {
            button->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void FrmAttestato::setButtonsVisible(bool visible)
{
    for (QPushButton *button : { Command2, Command1, CmdFine })
        button->setVisible(visible);
}

void FrmAttestato::Command2_Click()
{
    PagePrinting::print(m_roles, page());
}

// Only a certificate that can be printed can be saved.
void FrmAttestato::savePdf()
{
    if (Command2->isEnabled())
        PagePrinting::saveAsPdf(m_roles, page());
}

PrintPage FrmAttestato::page()
{
    return PrintPage { QStringLiteral("Attestato"), lblNome->text(),
        [this](PageDrawing &printer) { drawPage(printer); } };
}

// The page is the window as the pupil sees it, without the buttons under the card.
void FrmAttestato::drawPage(PageDrawing &printer)
{
    QPointer<QWidget> focused = focusWidget();
    setButtonsVisible(false);
    printer.printWindow(client());
    setButtonsVisible(true);
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
}

void FrmAttestato::Command1_Click()
{
    m_launcher.endProgram();
}

void FrmAttestato::cmdFine_Click()
{
    close();
}
