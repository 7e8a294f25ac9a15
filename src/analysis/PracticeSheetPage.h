// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "analysis/PracticeSheet.h"

class PageDrawing;

// Draws the practice sheet on the document the printer has begun: the pupil's page (title,
// name, date, the error in one sentence, a worked example, twelve operations in column form
// with boxes to fill) and the teacher's page with the key. It neither begins nor ends the
// document.
void drawPracticeSheet(PageDrawing &printer, const PracticeSheet::Sheet &sheet,
    const QString &pupil, const QString &date);
