// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/FamilyMastery.h"

#include "core/FamilyCodes.h"
#include "core/PracticeHistory.h"
#include "core/PracticeMastery.h"
#include "register/PupilHistories.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Register {

namespace {

    // The pupils' histories without the sessions' keys.
    QHash<QString, QList<Hypothesis::DatedSession>> histories(QSqlDatabase &database,
        const QString &condition, const QVariantList &values, QSqlError &error)
    {
        QHash<QString, QList<Hypothesis::DatedSession>> all;
        const auto stored = pupilHistories(database, condition, values, error);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
            QList<Hypothesis::DatedSession> &sessions = all[it.key()];
            for (const StoredSession &one : it.value())
                sessions.append(one.session);
        }
        return all;
    }

    QSqlError keep(QSqlDatabase &database, const QString &pupil,
        const QList<Hypothesis::DatedSession> &history)
    {
        QSqlQuery query(database);
        query.prepare(QStringLiteral(
            "INSERT OR REPLACE INTO family_mastery (pupil_key, learned) VALUES (?, ?)"));
        query.addBindValue(pupil);
        const QString codes = Practice::familyCodes(learnedFamilies(history));
        query.addBindValue(codes.isNull() ? QStringLiteral("") : codes); // none learned: not NULL
        return query.exec() ? QSqlError() : query.lastError();
    }

} // namespace

QList<Practice::Family> learnedFamilies(const QList<Hypothesis::DatedSession> &history)
{
    QList<Practice::Family> learned;
    const Practice::History practised(history);
    for (const Practice::Family family : Practice::families())
        if (Practice::mastery(family, practised).state == Practice::Mastery::State::Learned)
            learned.append(family);
    return learned;
}

QHash<QString, QList<Practice::Family>> classMastery(QSqlDatabase &database, QSqlError &error)
{
    QHash<QString, QList<Practice::Family>> learned;
    const bool kept = database.tables().contains(MasteryTable);
    if (kept) {
        QSqlQuery query(database);
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT pupil_key, learned FROM family_mastery"));
        while (query.next())
            learned.insert(
                query.value(0).toString(), Practice::familiesOfCodes(query.value(1).toString()));
        error = query.lastError();
    }
    QSqlError judging;
    const auto judged = histories(database,
        kept ? QStringLiteral("WHERE NOT EXISTS (SELECT 1 FROM family_mastery m"
                              " WHERE m.pupil_key = s.pupil_key)")
             : QString(),
        {}, judging);
    for (auto it = judged.cbegin(); it != judged.cend(); ++it)
        learned.insert(it.key(), learnedFamilies(it.value()));
    if (judging.isValid())
        error = judging;
    return learned;
}

QSqlError keepMastery(QSqlDatabase &database, const QString &sessionId)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT pupil_key FROM sessions WHERE id = ?"));
    query.addBindValue(sessionId);
    if (!query.exec())
        return query.lastError();
    if (!query.next())
        return QSqlError();
    const QString pupil = query.value(0).toString();
    query.finish();
    QSqlError error;
    const auto history =
        histories(database, QStringLiteral("WHERE s.pupil_key = ?"), { pupil }, error);
    return error.isValid() ? error : keep(database, pupil, history.value(pupil));
}

QSqlError forgetMastery(QSqlDatabase &database, const QString &sessionId)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("DELETE FROM family_mastery WHERE pupil_key ="
                                 " (SELECT pupil_key FROM sessions WHERE id = ?)"));
    query.addBindValue(sessionId);
    return query.exec() ? QSqlError() : query.lastError();
}

QSqlError keepMissingMastery(QSqlDatabase &database)
{
    QSqlError error;
    const auto missing = histories(database,
        QStringLiteral("WHERE NOT EXISTS (SELECT 1 FROM family_mastery m"
                       " WHERE m.pupil_key = s.pupil_key)"),
        {}, error);
    for (auto it = missing.cbegin(); it != missing.cend() && !error.isValid(); ++it)
        error = keep(database, it.key(), it.value());
    return error;
}

} // namespace Register
