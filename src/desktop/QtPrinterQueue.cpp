// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "desktop/QtPrinterQueue.h"

#include "core/JobWatch.h"
#include "desktop/LoadModule.h"
#include "desktop/Spooler.h"

#include <QFile>
#include <QTemporaryDir>
#include <utility>

QtPrinterQueue::QtPrinterQueue(SpoolerLoader load) : m_load(std::move(load)) { }

QtPrinterQueue::~QtPrinterQueue() = default;

std::unique_ptr<Spooler> QtPrinterQueue::loadSpoolerModule()
{
    return loadModule<Spooler>(SpoolerModuleName, CreateSpoolerSymbol);
}

Spooler *QtPrinterQueue::spooler()
{
    if (!std::exchange(m_spoolerTried, true))
        m_spooler = m_load();
    return m_spooler.get();
}

QString QtPrinterQueue::fail(const QString &error)
{
    m_error = error;
    return QString();
}

PrinterState QtPrinterQueue::defaultPrinter()
{
    m_queue.clear();
    m_queueName.clear();
    if (!m_outputPdf.isEmpty())
        return PrinterState { PrinterState::Ready, QStringLiteral("PDF") };
    // Without the spooler no page can reach a printer: as good as none.
    if (!spooler())
        return PrinterState {};
    const Spooler::Destination destination = spooler()->defaultDestination();
    m_queue = destination.queue;
    m_queueName = destination.state.name;
    return destination.state;
}

QString QtPrinterQueue::pageFile()
{
    m_error.clear();
    m_lastJob = 0;
    if (!m_outputPdf.isEmpty())
        return m_outputPdf;
    if (m_queue.isEmpty())
        return fail(QStringLiteral("Stampa non riuscita: nessuna stampante disponibile."));
    if (!m_spoolFolder || !m_spoolFolder->isValid())
        m_spoolFolder = std::make_unique<QTemporaryDir>();
    if (!m_spoolFolder->isValid())
        return fail(QStringLiteral("Stampa non riuscita: non c'è posto per preparare il foglio."));
    return m_spoolFolder->filePath(QStringLiteral("foglio.pdf"));
}

bool QtPrinterQueue::submit(const QString &pageFile)
{
    if (!m_outputPdf.isEmpty())
        return true;
    QString reason;
    m_lastJob = spooler() ? spooler()->submit(m_queue, pageFile, reason) : 0;
    QFile::remove(pageFile);
    if (m_lastJob > 0)
        return true;
    fail(QStringLiteral("Stampa non riuscita: la stampante %1 ha rifiutato il foglio (%2).")
             .arg(m_queueName, reason));
    return false;
}

void QtPrinterQueue::watchJob(std::function<void(JobFailure)> failed)
{
    const int job = std::exchange(m_lastJob, 0);
    if (job <= 0)
        return;
    new JobWatch([spooler = spooler(), job] { return spooler->jobState(job); },
        [failed = std::move(failed)](JobState state) {
            failed(state == JobState::Canceled ? JobFailure::Canceled : JobFailure::Aborted);
        },
        &m_watches);
}
