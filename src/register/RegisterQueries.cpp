// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/RegisterQueries.h"

#include "core/DrillCodes.h"
#include "core/ErrorSummary.h"
#include "core/FamilyCodes.h"
#include "register/AllOrNothing.h"
#include "register/CsvExport.h"
#include "register/FamilyMastery.h"
#include "register/ProcedureTallies.h"
#include "register/RegisterFile.h"
#include "register/RegisterSchema.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <algorithm>
#include <cmath>

namespace Register {

namespace {
    const QString AssignmentsTable = QStringLiteral("assignments");

    const QString PasswordKey = QStringLiteral("teacher_password");
    constexpr int TrendStep = 5; // percentage points

    QDateTime storedDateTime(const QVariant &value)
    {
        return QDateTime::fromString(value.toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }

    // The stored answer read from the columns minuend, subtrahend, asked_term, typed, is_right
    // and, when `withSeconds`, seconds, from `first` on.
    JudgedOperation judgedOperationAt(const QSqlQuery &query, int first, bool withSeconds)
    {
        Answer answer;
        answer.minuend = query.value(first).toInt();
        answer.subtrahend = query.value(first + 1).toInt();
        answer.askedTerm = query.value(first + 2).toInt();
        answer.typed = query.value(first + 3).toString();
        answer.right = query.value(first + 4).toBool();
        answer.seconds = withSeconds ? query.value(first + 5).toDouble() : 0.0;
        return judgedOperationOf(answer);
    }

    int percent(int right, int judged)
    {
        return judged > 0 ? static_cast<int>(std::lround(100.0 * right / judged)) : 0;
    }

    // The sessions with at least one judged answer, newest first for each pupil (rank 1 the newest),
    // with their counts.
    const QString RankedSessions = QStringLiteral(
        "WITH answered AS ("
        " SELECT s.id, s.pupil_key, s.started_at,"
        "  ROW_NUMBER() OVER (PARTITION BY s.pupil_key ORDER BY s.started_at DESC, s.rowid DESC) "
        "AS rank"
        " FROM sessions s WHERE EXISTS (SELECT 1 FROM answers a WHERE a.session_id = s.id))");

    // The sessions with answers of every pupil, or of the one pupil keyed, each with its tallies
    // of the wrong procedures: those the file keeps, and the others (sessions still open, or
    // every one on a register that keeps none) judged from their answers. error is the last
    // read that failed, if any.
    QHash<QString, QList<Hypothesis::DatedTallies>> talliesByPupil(
        QSqlDatabase &database, const QString &pupilKey, QSqlError &error)
    {
        QHash<QString, QList<Hypothesis::DatedTallies>> tallies;
        const QString onePupil =
            pupilKey.isEmpty() ? QString() : QStringLiteral(" AND s.pupil_key = ?");
        QSqlQuery query(database);
        query.setForwardOnly(true);
        const bool kept = database.tables().contains(TalliesTable);
        if (kept) {
            query.prepare(
                QStringLiteral("SELECT s.pupil_key, substr(s.started_at, 1, 10), t.tallies FROM"
                               " sessions s JOIN procedure_tallies t ON t.session_id = s.id"
                               " WHERE 1")
                + onePupil);
            if (!pupilKey.isEmpty())
                query.addBindValue(pupilKey);
            query.exec();
            while (query.next())
                tallies[query.value(0).toString()].append(
                    { QDate::fromString(query.value(1).toString(), Qt::ISODate),
                        talliesFromText(query.value(2).toString()) });
            if (query.lastError().isValid())
                error = query.lastError();
        }
        // The sessions first (CROSS JOIN keeps SQLite from walking every answer to find the
        // few sessions without tallies).
        query.prepare(
            QStringLiteral("SELECT s.pupil_key, s.id, substr(s.started_at, 1, 10), a.minuend,"
                           " a.subtrahend, a.asked_term, a.typed, a.is_right FROM sessions s"
                           " CROSS JOIN answers a WHERE a.session_id = s.id")
            + onePupil
            + (kept ? QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM procedure_tallies t"
                                     " WHERE t.session_id = s.id)")
                    : QString())
            + QStringLiteral(" ORDER BY s.id, a.operation_no"));
        if (!pupilKey.isEmpty())
            query.addBindValue(pupilKey);
        query.exec();
        QString pupil;
        QString sessionId;
        QDate day;
        QList<JudgedOperation> operations;
        auto closeSession = [&] {
            if (!operations.isEmpty())
                tallies[pupil].append({ day, Hypothesis::talliesOf(operations) });
            operations.clear();
        };
        while (query.next()) {
            if (sessionId != query.value(1).toString()) {
                closeSession();
                pupil = query.value(0).toString();
                sessionId = query.value(1).toString();
                day = QDate::fromString(query.value(2).toString(), Qt::ISODate);
            }
            operations.append(judgedOperation(query, 3));
        }
        closeSession();
        if (query.lastError().isValid())
            error = query.lastError();
        return tallies;
    }

} // namespace

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0.0;
    const qsizetype middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    if (values.size() % 2)
        return values[middle];
    const double upper = values[middle];
    const double lower = *std::max_element(values.begin(), values.begin() + middle);
    return (lower + upper) / 2.0;
}

Trend trendOf(const QList<int> &percentsOldestFirst)
{
    if (percentsOldestFirst.size() < 2)
        return Trend::None;
    double earlier = 0.0;
    for (qsizetype i = 0; i + 1 < percentsOldestFirst.size(); ++i)
        earlier += percentsOldestFirst[i];
    earlier /= static_cast<double>(percentsOldestFirst.size() - 1);
    const double change = percentsOldestFirst.last() - earlier;
    return change >= TrendStep ? Trend::Up : change <= -TrendStep ? Trend::Down : Trend::Same;
}

RegisterQueries::RegisterQueries(const QString &filePath)
    : m_connection(
        QStringLiteral("register-reader-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    const Opening opening = openFile(filePath, m_connection, PageCheck::None);
    m_state = opening.state;
    m_setAsideFile = opening.setAsideFile;
}

RegisterQueries::RegisterQueries(const QString &connection, State state)
    : m_connection(connection), m_state(state)
{
}

RegisterQueries::~RegisterQueries()
{
    closeFile(m_connection);
}

QList<PupilOverview> RegisterQueries::classOverview()
{
    QList<PupilOverview> rows;
    QHash<QString, qsizetype> rowOf;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.exec(QStringLiteral(
        "SELECT p.name_key, p.display_name, COUNT(s.id), MAX(s.started_at) FROM pupils p"
        " LEFT JOIN sessions s ON s.pupil_key = p.name_key GROUP BY p.name_key"
        " ORDER BY p.display_name COLLATE NOCASE"));
    while (query.next()) {
        PupilOverview row;
        row.key = query.value(0).toString();
        row.name = query.value(1).toString();
        row.sessions = query.value(2).toInt();
        row.lastSession = storedDateTime(query.value(3));
        rowOf.insert(row.key, rows.size());
        rows.append(row);
    }
    check(query);

    // Right answers in the last five sessions with answers, newest first.
    QHash<QString, QList<int>> percents;
    query.exec(RankedSessions
        + QStringLiteral(" SELECT r.pupil_key, COUNT(a.operation_no), SUM(a.is_right)"
                         " FROM answered r JOIN answers a ON a.session_id = r.id WHERE r.rank <= 5"
                         " GROUP BY r.id, r.pupil_key, r.rank ORDER BY r.pupil_key, r.rank DESC"));
    while (query.next())
        percents[query.value(0).toString()].append(
            percent(query.value(2).toInt(), query.value(1).toInt()));
    check(query);
    for (auto it = percents.cbegin(); it != percents.cend(); ++it) {
        PupilOverview &row = rows[rowOf.value(it.key())];
        row.lastRightPercent = it.value().last();
        row.trend = trendOf(it.value());
    }

    // The last session's answers: its median time and its recurring error.
    QHash<QString, QList<JudgedOperation>> lastOperations;
    QHash<QString, QList<double>> lastSeconds;
    query.exec(RankedSessions
        + QStringLiteral(
            " SELECT r.pupil_key, a.minuend, a.subtrahend, a.asked_term, a.typed,"
            " a.is_right, a.seconds FROM answered r JOIN answers a ON a.session_id = r.id"
            " WHERE r.rank = 1 ORDER BY r.pupil_key, a.operation_no"));
    while (query.next()) {
        const JudgedOperation operation = judgedOperationAt(query, 1, true);
        const QString key = query.value(0).toString();
        lastOperations[key].append(operation);
        lastSeconds[key].append(query.value(6).toDouble());
    }
    check(query);
    for (auto it = lastOperations.cbegin(); it != lastOperations.cend(); ++it) {
        PupilOverview &row = rows[rowOf.value(it.key())];
        row.medianSeconds = median(lastSeconds.value(it.key()));
        const Analysis::Summary summary = Analysis::summarise(it.value());
        if (!summary.recurring.isEmpty())
            row.recurringError = Analysis::errorName(summary.recurring.first().error);
    }
    QSqlError judging;
    const QHash<QString, QList<Hypothesis::DatedTallies>> tallies =
        talliesByPupil(database, QString(), judging);
    const QHash<QString, QList<Practice::Family>> learned = classMastery(database, judging);
    if (judging.isValid() && Opening { m_state, QString() }.isOpen())
        m_failed = true;
    for (PupilOverview &row : rows) {
        row.openHypotheses = Hypothesis::stillOpen(tallies.value(row.key));
        row.familiesLearned = learned.value(row.key);
    }

    // A file of an older version opened read-only has no assignments.
    if (database.tables().contains(AssignmentsTable)) {
        query.exec(QStringLiteral("SELECT pupil_key, families, range_level FROM assignments"));
        while (query.next())
            if (const auto row = rowOf.constFind(query.value(0).toString()); row != rowOf.cend())
                rows[*row].assignment =
                    Practice::Assignment { Practice::familiesOfCodes(query.value(1).toString()),
                        query.value(2).toInt() };
        check(query);
    }
    return rows;
}

QList<SessionSummary> RegisterQueries::sessions(const QString &pupilKey)
{
    QList<SessionSummary> rows;
    QList<double> seconds;
    auto closeRow = [&] {
        if (!rows.isEmpty())
            rows.last().medianSeconds = median(seconds);
        seconds.clear();
    };
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    // A file of an older version opened read-only has no aid uses.
    const bool aidKept =
        database.record(QStringLiteral("answers")).contains(QStringLiteral("aid_used"));
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT s.id, s.started_at, s.end_reason, s.mode, s.range_low, s.range_high,"
                       " a.is_right, a.seconds, s.range_level, r.reviewed, r.now_right, ")
        + (aidKept ? QStringLiteral("a.aid_used") : QStringLiteral("0"))
        + QStringLiteral(" FROM sessions s LEFT JOIN answers a ON a.session_id = s.id"
                         " LEFT JOIN reviews r ON r.session_id = s.id AND r.review_no ="
                         " (SELECT MAX(review_no) FROM reviews WHERE session_id = s.id)"
                         " WHERE s.pupil_key = ? ORDER BY s.started_at, s.rowid, a.operation_no"));
    query.addBindValue(pupilKey);
    query.exec();
    while (query.next()) {
        const QString id = query.value(0).toString();
        if (rows.isEmpty() || rows.last().id != id) {
            closeRow();
            SessionSummary row;
            row.id = id;
            row.started = storedDateTime(query.value(1));
            row.ending = query.value(2).toString();
            row.mode = query.value(3).toInt();
            row.rangeLow = query.value(4).toInt();
            row.rangeHigh = query.value(5).toInt();
            row.rangeLevel = query.value(8).toInt();
            row.reviewed = query.value(9).toInt();
            row.reviewedNowRight = query.value(10).toInt();
            rows.append(row);
        }
        if (!query.value(6).isNull()) {
            ++rows.last().judged;
            rows.last().right += query.value(6).toInt();
            rows.last().aidUses += query.value(11).toInt() != 0 ? 1 : 0;
            seconds.append(query.value(7).toDouble());
        }
    }
    check(query);
    closeRow();
    return rows;
}

QList<DayPoint> RegisterQueries::progress(const QString &pupilKey)
{
    QList<DayPoint> points;
    QList<double> seconds;
    int right = 0;
    auto closePoint = [&] {
        if (points.isEmpty())
            return;
        points.last().rightPercent = percent(right, points.last().answers);
        points.last().medianSeconds = median(seconds);
        seconds.clear();
        right = 0;
    };
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT substr(s.started_at, 1, 10) AS day, a.is_right, a.seconds FROM sessions s"
        " JOIN answers a ON a.session_id = s.id WHERE s.pupil_key = ? ORDER BY s.started_at"));
    query.addBindValue(pupilKey);
    query.exec();
    while (query.next()) {
        const QDate day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        if (points.isEmpty() || points.last().day != day) {
            closePoint();
            points.append(DayPoint { day });
        }
        ++points.last().answers;
        right += query.value(1).toInt();
        seconds.append(query.value(2).toDouble());
    }
    check(query);
    closePoint();
    return points;
}

QList<Hypothesis::DatedSession> RegisterQueries::datedSessions(const QString &pupilKey)
{
    return datedSessionsOf(pupilKey, false);
}

QList<Hypothesis::DatedTallies> RegisterQueries::datedTallies(const QString &pupilKey)
{
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    QSqlError error;
    const QList<Hypothesis::DatedTallies> tallies =
        talliesByPupil(database, pupilKey, error).value(pupilKey);
    if (error.isValid() && Opening { m_state, QString() }.isOpen())
        m_failed = true;
    return tallies;
}

QList<Hypothesis::DatedSession> RegisterQueries::datedSessionsOf(
    const QString &pupilKey, bool withSeconds)
{
    QList<Hypothesis::DatedSession> sessions;
    QString sessionId;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT s.id, substr(s.started_at, 1, 10), a.minuend, a.subtrahend, a.asked_term, a.typed,"
        " a.is_right, a.seconds FROM sessions s JOIN answers a ON a.session_id = s.id"
        " WHERE s.pupil_key = ? ORDER BY s.started_at, s.id, a.operation_no"));
    query.addBindValue(pupilKey);
    query.exec();
    while (query.next()) {
        if (sessions.isEmpty() || sessionId != query.value(0).toString()) {
            sessionId = query.value(0).toString();
            sessions.append({ QDate::fromString(query.value(1).toString(), Qt::ISODate), {} });
        }
        sessions.last().operations.append(judgedOperationAt(query, 2, withSeconds));
    }
    check(query);
    return sessions;
}

PracticeFacts RegisterQueries::practiceFacts(const QString &pupilKey)
{
    PracticeFacts facts;
    facts.history = datedSessionsOf(pupilKey, true);
    facts.procedures = Hypothesis::stillOpen(facts.history);
    facts.assignment = assignmentOf(pupilKey);
    return facts;
}

QList<StoredAnswer> RegisterQueries::answers(const QString &sessionId)
{
    QList<StoredAnswer> rows;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT operation_no, minuend, subtrahend, asked_term, typed, is_right, seconds,"
        " error_label, answered_at FROM answers WHERE session_id = ? ORDER BY operation_no"));
    query.addBindValue(sessionId);
    query.exec();
    while (query.next()) {
        StoredAnswer row;
        row.operationNumber = query.value(0).toInt();
        // The report shows whole seconds, as the exercise timed them.
        row.operation = judgedOperationAt(query, 1, true);
        row.seconds = query.value(6).toDouble();
        row.errorLabel = query.value(7).toString();
        row.at = storedDateTime(query.value(8));
        rows.append(row);
    }
    check(query);
    return rows;
}

Counts RegisterQueries::countsOf(const QString &pupilKey)
{
    Counts counts;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(
        QStringLiteral("SELECT (SELECT COUNT(*) FROM pupils WHERE name_key = ?),"
                       " (SELECT COUNT(*) FROM sessions WHERE pupil_key = ?),"
                       " (SELECT COUNT(*) FROM answers a JOIN sessions s ON s.id = a.session_id"
                       " WHERE s.pupil_key = ?)"));
    query.addBindValue(pupilKey);
    query.addBindValue(pupilKey);
    query.addBindValue(pupilKey);
    if (query.exec() && query.next())
        counts = { query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt() };
    check(query);
    return counts;
}

Counts RegisterQueries::countsOfAll()
{
    Counts counts;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (query.exec(
            QStringLiteral("SELECT (SELECT COUNT(*) FROM pupils),"
                           " (SELECT COUNT(*) FROM sessions), (SELECT COUNT(*) FROM answers)"))
        && query.next())
        counts = { query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt() };
    check(query);
    return counts;
}

bool RegisterQueries::deletePupil(const QString &pupilKey)
{
    if (m_state != State::Ready)
        return false;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    // Children first: the writer's connection enforces the references, this one need not.
    return allOrNothing(database, [&pupilKey](QSqlQuery &query) {
        for (const QString &statement : {
                 QStringLiteral("DELETE FROM answers WHERE session_id IN"
                                " (SELECT id FROM sessions WHERE pupil_key = ?)"),
                 QStringLiteral("DELETE FROM reviews WHERE session_id IN"
                                " (SELECT id FROM sessions WHERE pupil_key = ?)"),
                 QStringLiteral("DELETE FROM sessions WHERE pupil_key = ?"),
                 QStringLiteral("DELETE FROM pupils WHERE name_key = ?"),
             }) {
            query.prepare(statement);
            query.addBindValue(pupilKey);
            if (!query.exec())
                return false;
        }
        return true;
    }) && compact();
}

bool RegisterQueries::emptyRegister()
{
    if (m_state != State::Ready)
        return false;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    const bool onServer = database.driverName() != QLatin1String("QSQLITE");
    return allOrNothing(database, [onServer](QSqlQuery &query) {
        // A school server remembers the moment, so that no PC's older rows fill it again.
        if (onServer && !query.exec(QStringLiteral("SELECT register_emptied()")))
            return false;
        for (const char *table : { "answers", "reviews", "sessions", "pupils" })
            if (!query.exec(QStringLiteral("DELETE FROM ") + QLatin1String(table)))
                return false;
        return true;
    }) && compact();
}

int RegisterQueries::exportCsv(
    const QString &pupilKey, const QString &filePath, const std::function<void(int rows)> &progress)
{
    return Register::exportCsv(*this, pupilKey, filePath, progress);
}

void RegisterQueries::check(const QSqlQuery &query)
{
    // A register that could not be opened says so by its state; this is for one that could.
    if (query.lastError().isValid() && Opening { m_state, QString() }.isOpen())
        m_failed = true;
}

bool RegisterQueries::compact()
{
    // VACUUM rewrites the file without the freed pages; the checkpoint then empties the journal,
    // which still holds the old pages.
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    // A database server reclaims the space itself.
    if (database.driverName() != QLatin1String("QSQLITE"))
        return true;
    QSqlQuery query(database);
    return query.exec(QStringLiteral("VACUUM"))
        && query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

std::optional<QString> RegisterQueries::storedHash()
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT value FROM settings WHERE key = ?"));
    query.addBindValue(PasswordKey);
    if (query.exec() && query.next())
        return query.value(0).toString();
    check(query);
    return std::nullopt;
}

bool RegisterQueries::storeHash(const QString &hash)
{
    if (m_state != State::Ready)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT INTO settings (key, value) VALUES (?, ?)"
                                 " ON CONFLICT (key) DO UPDATE SET value = excluded.value"));
    query.addBindValue(PasswordKey);
    query.addBindValue(hash);
    return query.exec();
}

} // namespace Register
