// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "ui/PrinterService.h"

#include <QByteArray>
#include <QFont>
#include <QObject>
#include <QPageLayout>
#include <QPainter>
#include <memory>

class QPrinter;
class QTemporaryDir;
class Spooler;

// The desktop's printer: every page is drawn by Qt into a PDF file; a page for the printer is
// then handed to the spooler (its own library, in a module loaded on the first print), which
// answers whether it took the job, and whose job states tell whether it printed.
class QtPrinterService final : public PrinterService
{
public:
    QtPrinterService();
    ~QtPrinterService() override;

    // Sends every page for the printer to this PDF file instead (for tests and measurements):
    // the default printer then reads as ready and no job is watched.
    void setOutputPdf(const QString &path) { m_outputPdf = path; }

    QStringList fontNames() override;
    PrinterState defaultPrinter() override;
    bool beginDocument() override;
    bool beginPdf(const QString &path) override;
    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    void setPosition(int xTwips, int yTwips) override;
    void printLine(const QString &text) override;
    void printWindow(QWidget *clientArea) override;
    void paint(int xTwips, int yTwips, int widthTwips, int heightTwips,
        const std::function<void(QPainter &, const QRectF &)> &draw) override;
    void newPage() override;
    bool endDocument() override;
    QString errorText() const override { return m_error; }
    void watchJob(std::function<void(JobFailure)> failed) override;

private:
    bool startDocument(const QString &path);
    bool startPage(QPageLayout::Orientation orientation);
    double toDevice(double twips) const;
    bool fail(const QString &error);
    bool submit(const QString &path);
    // The spooler module, loaded on first need; null when it cannot be loaded.
    Spooler *spooler();

    QString m_outputPdf;
    std::unique_ptr<Spooler> m_spooler;
    bool m_spoolerTried = false;
    QStringList m_fontNames;
    // The queue defaultPrinter() found, and the name it shows.
    QByteArray m_queue;
    QString m_queueName;
    // Where a page for the printer is drawn before it goes to the spooler.
    std::unique_ptr<QTemporaryDir> m_spoolFolder;
    bool m_forPrinter = false;
    int m_lastJob = 0;
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_x = 0;
    double m_y = 0;
    QString m_error;
    QObject m_watches; // parent of the job watches still running
};
