// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "desktop/Spooler.h"
#include "frame/PrinterQueue.h"

#include <QByteArray>
#include <QObject>
#include <functional>
#include <memory>

class QTemporaryDir;

// The desktop's printer queue: a page for the printer is drawn into a private folder, then
// handed to the spooler, which answers whether it took the job and whose job states tell
// whether it printed.
class QtPrinterQueue final : public PrinterQueue
{
public:
    using SpoolerLoader = std::function<std::unique_ptr<Spooler>()>;

    // The spooler comes from load, called on the first need only; the program's own loads
    // the spooler module, so that none of its library weighs on the start.
    explicit QtPrinterQueue(SpoolerLoader load = loadSpoolerModule);
    ~QtPrinterQueue() override;

    // Sends every page for the printer to this PDF file instead (for tests and measurements):
    // the default printer then reads as ready and no job is watched.
    void setOutputPdf(const QString &path) { m_outputPdf = path; }

    PrinterState defaultPrinter() override;
    QString pageFile() override;
    bool submit(const QString &pageFile) override;
    QString errorText() const override { return m_error; }
    void watchJob(std::function<void(JobFailure)> failed) override;

    static std::unique_ptr<Spooler> loadSpoolerModule();

private:
    // The spooler, loaded on first need; null when it cannot be loaded.
    Spooler *spooler();
    QString fail(const QString &error);

    SpoolerLoader m_load;
    std::unique_ptr<Spooler> m_spooler;
    bool m_spoolerTried = false;
    QString m_outputPdf;
    // The queue defaultPrinter() found, and the name it shows.
    QByteArray m_queue;
    QString m_queueName;
    std::unique_ptr<QTemporaryDir> m_spoolFolder;
    int m_lastJob = 0;
    QString m_error;
    QObject m_watches; // parent of the job watches still running
};
