// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/RegisterWriter.h"

#include "register/FamilyMastery.h"
#include "register/RegisterFile.h"
#include "register/RowWriter.h"

#include <QSqlDatabase>
#include <QUuid>

namespace Register {

namespace {

    constexpr int RetryMilliseconds = 10000;

} // namespace

RegisterWriter::RegisterWriter(const QString &path, StatusBoard &status)
    : m_path(path), m_status(status), m_connection(QStringLiteral("register-writer-")
                                          + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMilliseconds);
    m_retry.setParent(this);
    connect(&m_retry, &QTimer::timeout, this, &RegisterWriter::writePending);
}

void RegisterWriter::add(Row row)
{
    if (const auto *start = std::get_if<StartRow>(&row))
        m_currentStart = *start;
    m_pending.push_back(std::move(row));
    writePending();
}

void RegisterWriter::close()
{
    writePending();
    m_retry.stop();
    if (m_open)
        closeFile(m_connection);
    m_open = false;
}

bool RegisterWriter::ensureOpen()
{
    if (m_open)
        return true;
    if (m_neverWritable)
        return false;
    // Every page is read once a run; the openings that retry after a busy or full disk skip it.
    const Opening opening =
        openFile(m_path, m_connection, m_pagesChecked ? PageCheck::None : PageCheck::Whole);
    if (!opening.setAsideFile.isEmpty())
        m_status.setSetAsideFile(opening.setAsideFile);
    m_status.setState(opening.state);
    m_neverWritable = opening.state == State::Newer || opening.state == State::ReadOnly;
    m_open = opening.state == State::Ready;
    m_pagesChecked = m_pagesChecked || m_open;
    if (opening.isOpen() && !m_open)
        closeFile(m_connection);
    // Once a run: the sessions a killed program left open are ended.
    if (m_open && !m_leftOpenClosed)
        m_leftOpenClosed = !closeSessionsLeftOpen(QSqlDatabase::database(m_connection, false),
            m_currentStart ? m_currentStart->sessionId : QString())
                                .isValid();
    return m_open;
}

void RegisterWriter::writePending()
{
    while (!m_pending.empty() && ensureOpen()) {
        const QSqlError error =
            writeRow(QSqlDatabase::database(m_connection, false), m_pending.front());
        if (!error.isValid() || isRefusedRow(error)) {
            // A row refused for good (a key that cannot be kept) must not hold up the rest.
            if (error.isValid() && std::holds_alternative<AnswerRow>(m_pending.front()))
                ++m_refusedAnswers;
            // What the pupil has learned, for the class's overview: one not kept is judged
            // there from the answers.
            if (const auto *end = std::get_if<EndRow>(&m_pending.front());
                end && !error.isValid()) {
                QSqlDatabase database = QSqlDatabase::database(m_connection, false);
                keepMastery(database, end->sessionId);
            }
            m_pending.pop_front();
            continue;
        }
        if (isDamage(error) && startNewFileAfterDamage())
            continue;
        m_status.setState(stateOf(error));
        closeFile(m_connection);
        m_open = false;
        break;
    }
    if (!m_pending.empty() && !m_neverWritable)
        m_retry.start();
    publishCount();
}

bool RegisterWriter::startNewFileAfterDamage()
{
    closeFile(m_connection);
    m_open = false;
    const QString name = setAside(m_path, QDateTime::currentDateTime());
    if (name.isEmpty())
        return false;
    m_status.setSetAsideFile(name);
    // The current session lived in the damaged file: the new one needs it for the answers to come.
    if (m_currentStart && !std::holds_alternative<StartRow>(m_pending.front()))
        m_pending.push_front(*m_currentStart);
    return true;
}

void RegisterWriter::publishCount()
{
    const auto waiting = std::count_if(m_pending.begin(), m_pending.end(),
        [](const Row &row) { return std::holds_alternative<AnswerRow>(row); });
    m_status.setAnswersNotKept(m_refusedAnswers + static_cast<int>(waiting));
}

} // namespace Register
