// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ErrorSummary.h"

class PageDrawing;

// Draws the analysis on the page the printer has begun, in Arial: the title, the heading, the
// table by kind of subtraction and the sentences about the errors. It neither begins nor ends
// the document. The notes are the recurring errors' states, as the screen shows them.
void drawAnalysisPage(
    PageDrawing &printer, const Analysis::Summary &summary, const QStringList &notes);
