// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

class PageDrawing;
class PrinterQueue;

// What a page needs to leave the program: something to draw it on, the printer's queue, and
// a place to save it as a PDF file.
class Printing
{
public:
    virtual ~Printing() = default;

    virtual PageDrawing &pageDrawing() = 0;
    virtual PrinterQueue &printerQueue() = 0;
    // The user's documents folder, or the home folder when there is none yet.
    virtual QString documentsFolder() = 0;
    // Asks where to save a PDF file, proposing this full path; empty when the user cancels.
    virtual QString askPdfFilePath(const QString &proposedPath) = 0;
};
