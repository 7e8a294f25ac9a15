// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ReaderThread.h"

#include <QThread>

namespace Register {

// Owns the opened register in the reader's thread and runs the jobs there.
class ReaderWorker final : public QObject
{
    Q_OBJECT

public:
    explicit ReaderWorker(Opener opener) : m_opener(std::move(opener)) { }

    void work(const std::function<std::function<void()>(Opened &)> &job)
    {
        if (!m_opened) {
            m_opened = std::make_unique<Opened>(m_opener());
            m_opener = nullptr;
        }
        emit finished(job(*m_opened));
    }
    void close() { m_opened.reset(); }

signals:
    void finished(std::function<void()> deliver);

private:
    Opener m_opener;
    std::unique_ptr<Opened> m_opened;
};

ReaderThread::ReaderThread(Opener opener, Where where)
    : m_where(where), m_worker(new ReaderWorker(std::move(opener))),
      m_mailbox(std::make_unique<QObject>())
{
    if (m_where == Where::CallingThread) {
        QObject::connect(m_worker, &ReaderWorker::finished, m_mailbox.get(),
            [](const std::function<void()> &deliver) { deliver(); });
        return;
    }
    // The connection to the mailbox ends with the mailbox: a result on its way to a screen
    // that closed is dropped, safely, whichever thread it comes from.
    QObject::connect(
        m_worker, &ReaderWorker::finished, m_mailbox.get(),
        [](const std::function<void()> &deliver) { deliver(); }, Qt::QueuedConnection);
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("registro-lettura"));
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    QObject::connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    m_thread->start(QThread::LowPriority);
}

ReaderThread::~ReaderThread()
{
    m_mailbox.reset();
    if (m_where == Where::CallingThread) {
        delete m_worker;
        return;
    }
    // Queued behind the jobs already posted: the register closes in its own thread.
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { worker->close(); }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        m_worker, [thread = m_thread] { thread->quit(); }, Qt::QueuedConnection);
}

void ReaderThread::post(Work work)
{
    if (m_where == Where::CallingThread) {
        m_worker->work(work);
        return;
    }
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, work = std::move(work)] { worker->work(work); },
        Qt::QueuedConnection);
}

QString readFailedText()
{
    return QStringLiteral("Il registro non si può leggere in questo momento: riprova più tardi.");
}

} // namespace Register

#include "ReaderThread.moc"
