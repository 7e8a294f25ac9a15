// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ReportLayout.h"

namespace ReportLayout {

namespace {
    constexpr int CellLefts[ExerciseCount] = { 180, 3105, 6030, 8955 };
    constexpr int CellTop = 900;
    constexpr int CellPitch = 450;
    constexpr int CellWidth = 2895;
    constexpr int CellHeight = 435;

    constexpr int PaperLeft = 1000;
    constexpr int PaperRight = 6000;
    constexpr int PaperListTop = 2000;
    constexpr int PaperPitch = 400;
} // namespace

QRect cellRect(int record)
{
    const int column = (record - 1) / 10;
    const int row = (record - 1) % 10;
    return QRect(CellLefts[column], CellTop + row * CellPitch, CellWidth, CellHeight);
}

QString timeBoxText(const QString &exerciseTimeText)
{
    return QStringLiteral("Tempo totale:    ") + exerciseTimeText + QStringLiteral(" sec.");
}

QString headerText()
{
    return QStringLiteral("SCUOLA ELEMENTARE DI_____________________   ");
}

QPoint headerPosition()
{
    return QPoint(1000, 1000);
}

QPoint belowHeaderPosition()
{
    return QPoint(1000, 1500);
}

QPoint recordPosition(int record)
{
    // The lower blocks start two rows below the end of the upper ones, which leaves a gap
    // between exercises 1-2 and 3-4.
    if (record <= 10)
        return QPoint(PaperLeft, PaperListTop + (record - 1) * PaperPitch);
    if (record <= 20)
        return QPoint(PaperRight, PaperListTop + (record - 11) * PaperPitch);
    if (record <= 30)
        return QPoint(PaperLeft, PaperListTop + (record - 10) * PaperPitch);
    return QPoint(PaperRight, PaperListTop + (record - 20) * PaperPitch);
}

QPoint timeLinePosition(int exercise)
{
    return QPoint(exercise % 2 == 1 ? PaperLeft : PaperRight, exercise <= 2 ? 11000 : 12000);
}

QPoint measuresLinePosition()
{
    return QPoint(PaperLeft, 13000);
}

QString timeLineText(int exercise, const QString &exerciseTimeText)
{
    return QStringLiteral("Eser. n.%1: Tempo tot. ").arg(exercise) + exerciseTimeText
        + QStringLiteral(" secondi");
}

} // namespace ReportLayout
