// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/RowWriter.h"

#include "core/ErrorRules.h"
#include "core/PupilKey.h"
#include "core/SessionRecord.h"
#include "register/FamilyMastery.h"
#include "register/ProcedureTallies.h"
#include "register/RegisterSchema.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace Register {

namespace {

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

QSqlError writeRow(QSqlDatabase database, const Row &row)
{
    if (const auto *start = std::get_if<StartRow>(&row)) {
        const SessionStart &s = start->start;
        const QString key = pupilKey(s.pupilName);
        // The pupil and the session go in together, or neither does; a savepoint works alone
        // and within a larger transaction alike.
        QSqlQuery savepoint(database);
        if (!savepoint.exec(QStringLiteral("SAVEPOINT session_start")))
            return savepoint.lastError();
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
            savepoint.exec(QStringLiteral("ROLLBACK TO session_start"));
            savepoint.exec(QStringLiteral("RELEASE session_start"));
            return error;
        }
        return savepoint.exec(QStringLiteral("RELEASE session_start")) ? QSqlError()
                                                                       : savepoint.lastError();
    }
    if (const auto *answer = std::get_if<AnswerRow>(&row)) {
        const Answer &a = answer->answer;
        const QSqlError error = run(database,
            QStringLiteral(
                "INSERT INTO answers (session_id, operation_no, minuend, subtrahend,"
                " asked_term, expected, typed, is_right, seconds, error_label, answered_at,"
                " aid_used) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                " ON CONFLICT (session_id, operation_no) DO NOTHING"),
            { answer->sessionId, a.operationNumber, a.minuend, a.subtrahend, a.askedTerm,
                a.expected, nonNull(a.typed), a.right ? 1 : 0, a.seconds, nonNull(a.errorLabel),
                storedTime(a.at), a.aidUsed ? 1 : 0 });
        if (error.isValid())
            return error;
        const QSqlError forgotten = forgetTallies(database, answer->sessionId);
        return forgotten.isValid() ? forgotten : forgetMastery(database, answer->sessionId);
    }
    if (const auto *end = std::get_if<EndRow>(&row)) {
        // A changed row is copied to the school server again.
        const QSqlError error = run(database,
            QStringLiteral(
                "UPDATE sessions SET ended_at = ?, end_reason = ?, sent = 0 WHERE id = ?"),
            { storedTime(end->end.at), endingText(end->end.how), end->sessionId });
        return error.isValid() ? error : keepTallies(database, end->sessionId);
    }
    const auto &review = std::get<ReviewRow>(row);
    return run(database,
        QStringLiteral("INSERT INTO reviews (session_id, review_no, done_at, reviewed, now_right)"
                       " VALUES (?, (SELECT COALESCE(MAX(review_no), 0) + 1 FROM reviews"
                       " WHERE session_id = ?), ?, ?, ?)"),
        { review.sessionId, review.sessionId, storedTime(review.review.at), review.review.reviewed,
            review.review.nowRight });
}

QSqlError closeSessionsLeftOpen(QSqlDatabase database, const QString &currentId)
{
    return run(database,
        QStringLiteral("UPDATE sessions SET end_reason = ?, sent = 0, ended_at = COALESCE("
                       "(SELECT MAX(answered_at) FROM answers WHERE session_id = sessions.id),"
                       " started_at) WHERE ended_at IS NULL AND id <> ?"),
        { endingText(Ending::Interrupted), currentId });
}

} // namespace Register
