// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/SqliteRegister.h"

#include "register/RegisterWriter.h"

#include <QUuid>

using namespace Register;

SqliteRegister::SqliteRegister(const RegisterPlace &place) : m_place(place)
{
    if (!m_place.switchedOn)
        m_status.setState(State::Off);
}

SqliteRegister::~SqliteRegister()
{
    // Every way out of the program passes here: a session still open ends with it.
    if (m_sessionOpen)
        sessionEnded({ Ending::Interrupted, QDateTime::currentDateTime() });
    if (!m_thread)
        return;
    // One last try for rows still waiting, then the connection closes in its own thread.
    QMetaObject::invokeMethod(
        m_writer, [writer = m_writer] { writer->close(); }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
}

void SqliteRegister::sessionStarted(const SessionStart &start)
{
    if (!m_place.switchedOn)
        return;
    m_sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_sessionOpen = true;
    hand(StartRow { m_sessionId, start });
}

void SqliteRegister::answerJudged(const Answer &answer)
{
    if (!m_sessionId.isEmpty())
        hand(AnswerRow { m_sessionId, answer });
}

void SqliteRegister::sessionEnded(const SessionEnd &end)
{
    if (!m_sessionOpen)
        return;
    m_sessionOpen = false;
    hand(EndRow { m_sessionId, end });
}

void SqliteRegister::reviewDone(const Review &review)
{
    if (!m_sessionId.isEmpty())
        hand(ReviewRow { m_sessionId, review });
}

void SqliteRegister::waitUntilWritten()
{
    if (m_thread)
        QMetaObject::invokeMethod(
            m_writer, [] {}, Qt::BlockingQueuedConnection);
}

void SqliteRegister::hand(Row row)
{
    if (!m_thread) {
        m_thread = std::make_unique<QThread>();
        m_thread->setObjectName(QStringLiteral("registro"));
        m_writer = new RegisterWriter(m_place.filePath, m_status);
        m_writer->moveToThread(m_thread.get());
        QObject::connect(m_thread.get(), &QThread::finished, m_writer, &QObject::deleteLater);
        m_thread->start();
    }
    QMetaObject::invokeMethod(
        m_writer,
        [writer = m_writer, row = std::move(row)]() mutable { writer->add(std::move(row)); },
        Qt::QueuedConnection);
}
