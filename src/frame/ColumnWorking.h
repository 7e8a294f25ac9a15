// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ColumnForm.h"

#include <QColor>

class QPainter;
class QRectF;

// Draws an operation in column form with a painter, the same on a screen and on paper: as
// large as the box allows, centred in it, with the exchange or the carry in its own ink.
namespace ColumnWorking {

struct Inks
{
    QColor digits;
    QColor marks; // the exchange's crossing out and small digits, the carried 1
    QColor lines; // the sign, the line under the numbers, the boxes to fill
};

// Width over height of a drawn form with this many digit columns: the box that fits it best.
double aspect(int columns);

void paint(QPainter &painter, const QRectF &box, const ColumnForm::Form &form, const Inks &inks);

} // namespace ColumnWorking
