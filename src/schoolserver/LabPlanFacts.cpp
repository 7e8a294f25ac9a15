// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/LabPlanFacts.h"

#include "core/DrillCodes.h"
#include "core/FamilyCodes.h"
#include "schoolserver/RegisterSource.h"
#include "schoolserver/SchoolService.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlQuery>
#include <QUuid>
#include <algorithm>

namespace SchoolServer {

QString sessionDigest(const QString &sessionId)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(sessionId.toUtf8(), QCryptographicHash::Sha256).toHex());
}

std::optional<ServerPlanFacts> planFactsOfJson(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    ServerPlanFacts facts;
    if (const QJsonValue assignment = root.value(QLatin1String("assignment"));
        assignment.isObject())
        facts.assignment = Practice::Assignment {
            Practice::familiesOfCodes(assignment[QLatin1String("families")].toString()),
            assignment[QLatin1String("range_level")].toInt()
        };
    for (const QJsonValue &value : root.value(QLatin1String("sessions")).toArray()) {
        const QJsonObject session = value.toObject();
        ServerSession one { session[QLatin1String("digest")].toString(),
            { QDate::fromString(session[QLatin1String("day")].toString(), Qt::ISODate), {} } };
        for (const QJsonValue &row : session[QLatin1String("answers")].toArray()) {
            const QJsonArray columns = row.toArray();
            Register::Answer answer;
            answer.minuend = columns.at(0).toInt();
            answer.subtrahend = columns.at(1).toInt();
            answer.askedTerm = columns.at(2).toInt();
            answer.typed = columns.at(3).toString();
            answer.right = columns.at(4).toInt() != 0;
            answer.seconds = columns.at(5).toDouble();
            one.session.operations.append(Register::judgedOperationOf(answer));
        }
        facts.sessions.append(one);
    }
    return facts;
}

std::optional<ServerPlanFacts> serverPlanFacts(const QString &service, const QString &pupilKey)
{
    const QString connection = QStringLiteral("register-server-plan-")
        + QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!openServer(connection, service, ReadConnectSeconds))
        return std::nullopt;
    std::optional<ServerPlanFacts> facts;
    {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        query.prepare(QStringLiteral("SELECT lab_plan_facts(?)"));
        query.addBindValue(pupilKey);
        if (query.exec() && query.next())
            facts = planFactsOfJson(query.value(0).toString().toUtf8());
    }
    closeServer(connection);
    return facts;
}

Register::PracticeFacts joinedFacts(
    const QList<Register::StoredSession> &onThisPc, const ServerPlanFacts &onServer)
{
    Register::PracticeFacts facts;
    QSet<QString> here;
    for (const Register::StoredSession &stored : onThisPc) {
        here.insert(sessionDigest(stored.id));
        facts.history.append(stored.session);
    }
    for (const ServerSession &session : onServer.sessions)
        if (!here.contains(session.digest))
            facts.history.append(session.session);
    // By day, each side in its own order: the plan counts days, not the order within one.
    std::stable_sort(facts.history.begin(), facts.history.end(),
        [](const auto &a, const auto &b) { return a.day < b.day; });
    facts.procedures = Hypothesis::stillOpen(facts.history);
    facts.assignment = onServer.assignment;
    return facts;
}

} // namespace SchoolServer
