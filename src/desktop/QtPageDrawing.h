// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/PageDrawing.h"

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <memory>

class QPdfWriter;

// The desktop's page: drawn by Qt into a PDF file, whether for the printer or for the user. A
// PDF writer rather than a printer, so that Qt's printing library stays off the program's start.
class QtPageDrawing final : public PageDrawing
{
public:
    QtPageDrawing();
    ~QtPageDrawing() override;

    QStringList fontNames() override;
    bool beginPage(const QString &pdfPath) override;
    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    void setPosition(int xTwips, int yTwips) override;
    void printLine(const QString &text) override;
    void printWindow(QWidget *clientArea) override;
    void paint(int xTwips, int yTwips, int widthTwips, int heightTwips,
        const std::function<void(QPainter &, const QRectF &)> &draw) override;
    void newPage() override;
    bool endPage() override;

private:
    bool startPage(QPageLayout::Orientation orientation);
    double toDevice(double twips) const;
    bool fail();

    QStringList m_fontNames;
    std::unique_ptr<QPdfWriter> m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_x = 0;
    double m_y = 0;
    bool m_failed = false;
};
