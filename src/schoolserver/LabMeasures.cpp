// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/LabMeasures.h"

#include "core/MeasureValues.h"
#include "schoolserver/RegisterSource.h"
#include "schoolserver/SchoolService.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QUuid>

namespace SchoolServer {

std::optional<Measures::PupilMeasures> measuresOfJson(const QByteArray &json)
{
    if (json.trimmed().isEmpty() || json.trimmed() == "null")
        return Measures::PupilMeasures();
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject row = document.object();
    auto flag = [&row](const char *key) { return row.value(QLatin1String(key)).toInt() != 0; };
    return Measures::measuresOf(flag("time_hidden"),
        row.value(QLatin1String("exercise_size")).toInt(Measures::FullExerciseSize),
        flag("read_aloud"), flag("large_contrast"), flag("aid_offered"));
}

std::optional<Measures::PupilMeasures> serverMeasures(
    const QString &service, const QString &pupilKey)
{
    const QString connection = QStringLiteral("register-server-measures-")
        + QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!openServer(connection, service, ReadConnectSeconds))
        return std::nullopt;
    std::optional<Measures::PupilMeasures> measures;
    {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        query.prepare(QStringLiteral("SELECT lab_measures(?)"));
        query.addBindValue(pupilKey);
        if (query.exec() && query.next())
            measures = measuresOfJson(query.value(0).toString().toUtf8());
    }
    closeServer(connection);
    return measures;
}

} // namespace SchoolServer
