// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/RegisterWriter.h"

#include "analysis/ErrorRules.h"
#include "register/PupilKey.h"
#include "register/RegisterFile.h"
#include "register/RegisterSchema.h"
#include "session/SessionRecord.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

namespace Register {

namespace {

    constexpr int RetryMilliseconds = 10000;

    QString endingText(Ending how)
    {
        return how == Ending::Completed ? QStringLiteral("completata")
                                        : QStringLiteral("interrotta");
    }

    // The columns take no NULL: a text left null by its maker is stored empty.
    QString nonNull(const QString &text)
    {
        return text.isNull() ? QStringLiteral("") : text;
    }

    QString errorLabel(const Answer &answer)
    {
        JudgedOperation operation;
        operation.judged = true;
        operation.minuend = answer.minuend;
        operation.subtrahend = answer.subtrahend;
        operation.askedTerm = answer.askedTerm;
        operation.answer = answer.typed;
        operation.right = answer.right;
        return nonNull(Analysis::errorName(Analysis::judge(operation).error));
    }

    // Runs one statement with its values bound in order; the error, invalid on success.
    QSqlError run(QSqlDatabase &database, const QString &statement, const QVariantList &values)
    {
        QSqlQuery query(database);
        if (!query.prepare(statement))
            return query.lastError();
        for (const QVariant &value : values)
            query.addBindValue(value);
        return query.exec() ? QSqlError() : query.lastError();
    }

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
    m_retry.stop();
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
    if (m_newer)
        return false;
    const Opening opening = openFile(m_path, m_connection);
    if (!opening.setAsideFile.isEmpty())
        m_status.setSetAsideFile(opening.setAsideFile);
    m_status.setState(opening.state);
    m_newer = opening.state == State::Newer;
    m_open = opening.state == State::Ready;
    if (opening.isOpen() && !m_open)
        closeFile(m_connection);
    return m_open;
}

void RegisterWriter::writePending()
{
    while (!m_pending.empty() && ensureOpen()) {
        const QSqlError error = write(m_pending.front());
        if (!error.isValid() || isRefusedRow(error)) {
            // A row refused for good (a key that cannot be kept) must not hold up the rest.
            if (error.isValid() && std::holds_alternative<AnswerRow>(m_pending.front()))
                ++m_refusedAnswers;
            m_pending.pop_front();
            continue;
        }
        if (isDamage(error)) {
            startNewFileAfterDamage();
            continue;
        }
        m_status.setState(stateOf(error));
        closeFile(m_connection);
        m_open = false;
        break;
    }
    if (!m_pending.empty() && !m_newer)
        m_retry.start();
    publishCount();
}

void RegisterWriter::startNewFileAfterDamage()
{
    closeFile(m_connection);
    m_open = false;
    const QString name = setAside(m_path, QDateTime::currentDateTime());
    if (!name.isEmpty())
        m_status.setSetAsideFile(name);
    // The current session lived in the damaged file: the new one needs it for the answers to come.
    if (m_currentStart && !std::holds_alternative<StartRow>(m_pending.front()))
        m_pending.push_front(*m_currentStart);
}

void RegisterWriter::publishCount()
{
    const auto waiting = std::count_if(m_pending.begin(), m_pending.end(),
        [](const Row &row) { return std::holds_alternative<AnswerRow>(row); });
    m_status.setAnswersNotKept(m_refusedAnswers + static_cast<int>(waiting));
}

QSqlError RegisterWriter::write(const Row &row)
{
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    if (const auto *start = std::get_if<StartRow>(&row)) {
        const SessionStart &s = start->start;
        const QString key = pupilKey(s.pupilName);
        // The pupil and the session go in together, or neither does.
        if (!database.transaction())
            return database.lastError();
        QSqlError error = run(database,
            QStringLiteral(
                "INSERT INTO pupils (name_key, display_name, first_seen) VALUES (?, ?, ?)"
                " ON CONFLICT (name_key) DO NOTHING"),
            { key, pupilDisplayName(s.pupilName), storedTime(s.at) });
        if (!error.isValid())
            error = run(database,
                QStringLiteral("INSERT INTO sessions (id, pupil_key, started_at, mode, range_level,"
                               " range_low, range_high) VALUES (?, ?, ?, ?, ?, ?, ?)"
                               " ON CONFLICT (id) DO NOTHING"),
                { start->sessionId, key, storedTime(s.at), s.mode, s.rangeLevel, s.rangeLow,
                    s.rangeHigh });
        if (error.isValid()) {
            database.rollback();
            return error;
        }
        return database.commit() ? QSqlError() : database.lastError();
    }
    if (const auto *answer = std::get_if<AnswerRow>(&row)) {
        const Answer &a = answer->answer;
        return run(database,
            QStringLiteral(
                "INSERT INTO answers (session_id, operation_no, minuend, subtrahend,"
                " asked_term, expected, typed, is_right, seconds, error_label, answered_at)"
                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                " ON CONFLICT (session_id, operation_no) DO NOTHING"),
            { answer->sessionId, a.operationNumber, a.minuend, a.subtrahend, a.askedTerm,
                a.expected, nonNull(a.typed), a.right ? 1 : 0, a.seconds, errorLabel(a),
                storedTime(a.at) });
    }
    if (const auto *end = std::get_if<EndRow>(&row)) {
        // A changed row is copied to the school server again.
        return run(database,
            QStringLiteral(
                "UPDATE sessions SET ended_at = ?, end_reason = ?, sent = 0 WHERE id = ?"),
            { storedTime(end->end.at), endingText(end->end.how), end->sessionId });
    }
    const auto &review = std::get<ReviewRow>(row);
    return run(database,
        QStringLiteral("INSERT INTO reviews (session_id, review_no, done_at, reviewed, now_right)"
                       " VALUES (?, (SELECT COALESCE(MAX(review_no), 0) + 1 FROM reviews"
                       " WHERE session_id = ?), ?, ?, ?)"),
        { review.sessionId, review.sessionId, storedTime(review.review.at), review.review.reviewed,
            review.review.nowRight });
}

} // namespace Register
