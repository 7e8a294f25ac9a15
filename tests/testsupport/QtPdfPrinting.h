// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "FakeServices.h"
#include "desktop/QtPageDrawing.h"
#include "desktop/QtPrinterQueue.h"

// The desktop's own page drawing and printer queue in the fake desktop while this lives, with
// every page for the printer written into printedPdf instead of reaching a printer. Header only:
// the tests that use it link the desktop library.
class QtPdfPrinting
{
public:
    QtPdfPrinting(FakeServices &services, const QString &printedPdf) : m_services(services)
    {
        queue.setOutputPdf(printedPdf);
        services.realDrawing = &drawing;
        services.realQueue = &queue;
    }
    ~QtPdfPrinting()
    {
        m_services.realDrawing = nullptr;
        m_services.realQueue = nullptr;
    }

    QtPageDrawing drawing;
    QtPrinterQueue queue;

private:
    FakeServices &m_services;
};
