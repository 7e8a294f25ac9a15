// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "scale/FrmValutazione.h"

#include "frame/Colour.h"
#include "frame/Controls.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPixmap>

namespace {

const QColor Blue = Colour::rgb(0, 0, 255);
const QColor Purple = Colour::rgb(128, 0, 128);

QLabel *scaleLabel(QWidget *panel, const QString &name, const QString &text, const QColor &colour,
    double points, int left, int top, int width, int height)
{
    QLabel *result = Controls::label(panel, name, text, Controls::arial(points, true));
    Controls::setTextColour(result, colour);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Controls::place(result, left, top, width, height);
    return result;
}

} // namespace

FrmValutazione::FrmValutazione()
{
    setObjectName(QStringLiteral("FrmValutazione"));
    useFixedDialogFrame();
    // No icon in the title bar of this window.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    setWindowTitle(QStringLiteral("SCALA  DI  VALUTAZIONE"));
    setFocusPolicy(Qt::NoFocus);

    setClientColour(Colour::rgb(192, 255, 255));

    const QColor panelColour = Colour::rgb(128, 255, 255);
    Frame1 = Controls::panel(client(), QStringLiteral("Frame1"), panelColour);
    Controls::place(Frame1, 240, 90, 3345, 3300);
    Label9 = scaleLabel(Frame1, QStringLiteral("Label9"), QStringLiteral("SCALA DI VALUTAZIONE"),
        Purple, 9.75, 285, 75, 2865, 360);
    Label1 = scaleLabel(Frame1, QStringLiteral("Label1"), QStringLiteral("10/10 ottimo"), Blue, 12,
        270, 540, 2985, 360);
    Label7 = scaleLabel(Frame1, QStringLiteral("Label7"), QStringLiteral(" 9/10 ottimo"), Blue, 12,
        270, 1050, 2985, 360);
    Label6 = scaleLabel(Frame1, QStringLiteral("Label6"), QStringLiteral(" 8/10 distinto"), Blue,
        12, 270, 1515, 2985, 360);
    Label5 = scaleLabel(Frame1, QStringLiteral("Label5"), QStringLiteral(" 7/10 buono"), Blue, 12,
        270, 1950, 2985, 360);
    Label3 = scaleLabel(Frame1, QStringLiteral("Label3"), QStringLiteral(" 6/10 sufficiente"), Blue,
        12, 270, 2415, 2985, 360);
    Label2 = scaleLabel(Frame1, QStringLiteral("Label2"), QStringLiteral(" 5/10 sufficiente (!)"),
        Blue, 12, 285, 2895, 2985, 360);

    Frame2 = Controls::panel(client(), QStringLiteral("Frame2"), panelColour);
    Controls::place(Frame2, 3645, 90, 3345, 3300);
    Label8 = scaleLabel(Frame2, QStringLiteral("Label8"),
        QStringLiteral("ATTESTATO DI VALUTAZIONE"), Purple, 9.75, 150, 75, 3015, 360);
    Label4 = scaleLabel(Frame2, QStringLiteral("Label4"),
        QStringLiteral("Puoi stampare l'attestato  dopo aver eseguito per intero "
                       "almeno un esercizio"),
        Blue, 12, 165, 900, 2730, 1650);
    Label4->setWordWrap(true);

    // An opaque band in the desktop's own control colours, not the window's.
    Label10 = Controls::label(client(), QStringLiteral("Label10"),
        QStringLiteral("L'attesto di valutazione va ritagliato e incollato "
                       "sul quaderno accanto alle operazioni eseguite"),
        Controls::arial(14.25));
    const QPalette desktop = QApplication::palette();
    Controls::setBackground(Label10, desktop.color(QPalette::Button));
    Controls::setTextColour(Label10, desktop.color(QPalette::ButtonText));
    Label10->setWordWrap(true);
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Controls::place(Label10, 255, 3690, 6660, 675);

    setClientSize(7215, 4620);
    centreOnScreen();
}

void FrmValutazione::onBackgroundClick()
{
    close();
}
