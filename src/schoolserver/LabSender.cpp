// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/LabSender.h"

#include "register/RegisterPlace.h"
#include "schoolserver/PostgresLink.h"
#include "schoolserver/SchoolService.h"
#include "schoolserver/SenderMachine.h"
#include "schoolserver/SqliteOutbox.h"

#include <QElapsedTimer>
#include <QTimer>

namespace SchoolServer {

constexpr int KeepSentDays = 1;
constexpr int KeepSetAsideDays = 30;
constexpr int RemoveEveryMilliseconds = 3600 * 1000;

// The sender's objects, made and ended in the sender's thread, as its connections must be.
class SenderWorker final : public QObject
{
public:
    SenderWorker(const QString &registerFile, const QString &service)
        : m_registerFile(registerFile), m_service(service)
    {
        m_timer.setParent(this);
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, this, &SenderWorker::step);
    }

    void start(int firstStepMilliseconds)
    {
        m_outbox = std::make_unique<SqliteOutbox>(m_registerFile);
        m_link = std::make_unique<PostgresLink>(m_service);
        m_machine = std::make_unique<SenderMachine>(*m_outbox, *m_link);
        m_timer.start(firstStepMilliseconds);
    }

    void stop()
    {
        m_timer.stop();
        m_machine.reset();
        m_link.reset();
        m_outbox.reset();
    }

private:
    void step()
    {
        if (!m_sinceRemoval.isValid() || m_sinceRemoval.elapsed() > RemoveEveryMilliseconds) {
            const QDateTime now = QDateTime::currentDateTime();
            m_outbox->removeSentBefore(now.addDays(-KeepSentDays), now.addDays(-KeepSetAsideDays));
            m_sinceRemoval.start();
        }
        QElapsedTimer clock;
        clock.start();
        const SenderMachine::Step done = m_machine->step();
        if (done.answersSent > 0) {
            qCDebug(lcSchoolServer, "sent %d answers in %lld ms", done.answersSent,
                static_cast<long long>(clock.elapsed()));
        } else if (m_machine->serverAway()) {
            qCDebug(lcSchoolServer, "server away, next try in %d ms", done.nextInMilliseconds);
        }
        m_timer.start(done.nextInMilliseconds);
    }

    QString m_registerFile;
    QString m_service;
    std::unique_ptr<SqliteOutbox> m_outbox;
    std::unique_ptr<PostgresLink> m_link;
    std::unique_ptr<SenderMachine> m_machine;
    QTimer m_timer;
    QElapsedTimer m_sinceRemoval;
};

LabSender::LabSender(const QString &registerFile, const QString &service, int firstStepMilliseconds)
    : m_thread(std::make_unique<QThread>()), m_worker(new SenderWorker(registerFile, service))
{
    m_thread->setObjectName(QStringLiteral("registro-server"));
    m_worker->moveToThread(m_thread.get());
    QObject::connect(m_thread.get(), &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start(QThread::LowPriority);
    QMetaObject::invokeMethod(
        m_worker,
        [worker = m_worker, firstStepMilliseconds] { worker->start(firstStepMilliseconds); },
        Qt::QueuedConnection);
}

LabSender::~LabSender()
{
    // A batch on its way finishes first, unless the server keeps it longer than the program
    // may wait to quit: the thread is then left to end with the process. Either way nothing is
    // lost: rows are marked sent only once the server committed them, and the server takes a
    // row sent twice once, so what it did not confirm goes again at the next start.
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { worker->stop(); }, Qt::QueuedConnection);
    m_thread->quit();
    if (!m_thread->wait(QDeadlineTimer(QuitWaitMilliseconds))) {
        qCWarning(lcSchoolServer, "the school server holds a batch: quitting without waiting");
        m_thread.release();
    }
}

} // namespace SchoolServer
