// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "ui/PrinterService.h"

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <memory>

class QPrinter;

// The desktop's printer through Qt: the default print queue, or a PDF file when one is set.
class QtPrinterService final : public PrinterService
{
public:
    QtPrinterService();
    ~QtPrinterService() override;

    // Sends every page to this PDF file instead of a print queue (for tests and measurements).
    void setOutputPdf(const QString &path) { m_outputPdf = path; }

    QStringList fontNames() override;
    bool beginDocument() override;
    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    void setPosition(int xTwips, int yTwips) override;
    void printLine(const QString &text) override;
    void printWindow(QWidget *clientArea) override;
    bool endDocument() override;
    QString errorText() const override { return m_error; }

private:
    bool startPage(QPageLayout::Orientation orientation);
    double toDevice(double twips) const;
    bool fail(const QString &error);

    QString m_outputPdf;
    QStringList m_fontNames;
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_x = 0;
    double m_y = 0;
    QString m_error;
};
