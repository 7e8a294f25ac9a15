// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "exercise/ExercisePanels.h"

#include "drill/FaceMark.h"
#include "exercise/ColumnHeadings.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/Twips.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

namespace ExercisePanels {

namespace {

    const QString PartialTimeTip = QStringLiteral("Secondi impiegati per ogni risposta");
    const QString ExerciseTimeTip = QStringLiteral("Secondi impiegati per ogni esercizio");

    // The desktop's own colour for window backgrounds.
    QColor systemWindowColour()
    {
        return QApplication::palette().color(QPalette::Base);
    }

} // namespace

MarksPanel buildMarks(QWidget *area)
{
    MarksPanel panel;
    QGroupBox *frmValutazione = new QGroupBox(QStringLiteral("VALUTAZIONE"), area);
    panel.box = frmValutazione;
    frmValutazione->setObjectName(QStringLiteral("frmValutazione"));
    frmValutazione->setFont(Controls::arial(9.75, true));
    Controls::place(frmValutazione, 870, 6285, 6900, 1695);

    const QColor navy = Colour::rgb(0, 0, 128);
    const QFont rowFont = Controls::sansSerif(12);
    QLabel *label4 = Controls::label(
        frmValutazione, QStringLiteral("Label4"), QStringLiteral("Risp. esatte"), rowFont);
    Controls::setTextColour(label4, navy);
    Controls::place(label4, 120, 240, 1575, 375);
    QLabel *label8 = Controls::label(
        frmValutazione, QStringLiteral("Label8"), QStringLiteral("Esercizio n."), rowFont);
    Controls::place(label8, 120, 600, 1215, 375);
    QLabel *label6 = Controls::label(
        frmValutazione, QStringLiteral("Label6"), QStringLiteral("Risp. errate"), rowFont);
    Controls::setTextColour(label6, navy);
    Controls::place(label6, 120, 1080, 1455, 375);
    QLabel *counter = Controls::label(frmValutazione, QStringLiteral("LblContatore"),
        QStringLiteral("  1      2       3      4      5      6      7      8      9     10"),
        Controls::sansSerif(9.75));
    Controls::place(counter, 1935, 720, 4815, 255);

    static constexpr int columnLefts[] = { 1875, 2370, 2865, 3360, 3840, 4335, 4815, 5295, 5790,
        6270 };
    for (int number = 1; number <= 20; ++number) {
        const bool smiling = number <= 10;
        const int column = smiling ? number : number - 10;
        auto *mark = new FaceMark(smiling, frmValutazione);
        mark->setObjectName(QStringLiteral("Image%1").arg(number));
        mark->setAccessibleName(
            (smiling ? QStringLiteral("Risposta esatta %1") : QStringLiteral("Risposta errata %1"))
                .arg(column));
        Controls::place(mark, columnLefts[column - 1], smiling ? 255 : 990, 480, 480);
        mark->hide();
        panel.faces[number] = mark;
    }
    return panel;
}

ProgressPanel buildProgress(QWidget *area)
{
    ProgressPanel panel;
    QGroupBox *frmElaborazione = new QGroupBox(QStringLiteral("ELABORAZIONE"), area);
    panel.box = frmElaborazione;
    frmElaborazione->setObjectName(QStringLiteral("frmElaborazione"));
    frmElaborazione->setFont(Controls::arial(9.75, true));
    Controls::place(frmElaborazione, 7815, 6285, 3375, 1695);

    // Each heading word's room, from the rows' left edge at 240: centred over its value,
    // within the lines either side.
    const auto headings = [](const QStringList &words) {
        constexpr int Rooms[][2] = { { 0, 510 }, { 630, 1320 }, { 1320, 2070 }, { 2160, 2910 } };
        QList<ColumnHeadings::Column> columns;
        for (int column = 0; column < words.size(); ++column)
            columns.append({ Rooms[column][0], Rooms[column][1], words.at(column) });
        return columns;
    };
    const QFont headFont = Controls::sansSerif(8.25);
    auto *label5 = new ColumnHeadings(frmElaborazione, QStringLiteral("Label5"),
        QStringLiteral(" Eser.    Oper.   Tempo      Tempo "), headFont,
        headings({ QStringLiteral("Eser."), QStringLiteral("Oper."), QStringLiteral("Tempo"),
            QStringLiteral("Tempo") }));
    Controls::place(label5, 240, 360, 3015, 255);
    auto *label3 = new ColumnHeadings(frmElaborazione, QStringLiteral("Label3"),
        QStringLiteral("                        parziale    totale"), headFont,
        headings({ QString(), QString(), QStringLiteral("parziale"), QStringLiteral("totale") }));
    Controls::place(label3, 240, 600, 3015, 255);

    for (const auto &[name, x] :
        { std::pair { "Line1", 840 }, std::pair { "Line2", 1560 }, std::pair { "Line4", 2400 } }) {
        auto *line = new QFrame(frmElaborazione);
        line->setObjectName(QString::fromLatin1(name));
        Controls::setBackground(line, Qt::black);
        Controls::place(line, x, 360, Twips::PerLogicalPixel, 840);
    }

    const QFont valueFont = Controls::arial(14.25, true);
    auto value = [&](const QString &name, const QColor &colour, int left) {
        QLabel *label = Controls::label(frmElaborazione, name, QString(), valueFont);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Controls::setBackground(label, systemWindowColour());
        Controls::setTextColour(label, colour);
        Controls::place(label, left, 960, 480, 480);
        return label;
    };
    panel.exercise = value(QStringLiteral("LblEsercizio"), Colour::rgb(0, 192, 0), 255);
    panel.operation = value(QStringLiteral("LblOperazione"), Colour::rgb(0, 192, 0), 975);
    QLabel *LblTempoParziale =
        value(QStringLiteral("LblTempoParziale"), Colour::rgb(255, 0, 0), 1695);
    LblTempoParziale->setToolTip(PartialTimeTip);
    LblTempoParziale->setAccessibleName(PartialTimeTip);
    QLabel *LblTempoTotale = value(QStringLiteral("LblTempoTotale"), Colour::rgb(255, 0, 0), 2535);
    LblTempoTotale->setToolTip(ExerciseTimeTip);
    LblTempoTotale->setAccessibleName(ExerciseTimeTip);
    panel.partialTime = LblTempoParziale;
    panel.exerciseTime = LblTempoTotale;
    return panel;
}

} // namespace ExercisePanels
