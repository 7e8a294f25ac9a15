// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/LabReader.h"

#include "schoolserver/LabMeasures.h"
#include "schoolserver/LabPlanFacts.h"

#include <QSqlDatabase>
#include <QSqlError>

namespace SchoolServer {

LabReader::LabReader(std::unique_ptr<Register::RegisterQueries> file, const QString &service)
    : m_file(std::move(file)), m_service(service)
{
}

Register::PracticeFacts LabReader::practiceFacts(const QString &pupilKey)
{
    const std::optional<ServerPlanFacts> onServer = serverPlanFacts(m_service, pupilKey);
    if (!onServer)
        return m_file->practiceFacts(pupilKey);
    QSqlDatabase database = QSqlDatabase::database(m_file->connectionName(), false);
    QSqlError error;
    const auto onThisPc = Register::pupilHistories(
        database, QStringLiteral("WHERE s.pupil_key = ?"), { pupilKey }, error);
    return joinedFacts(onThisPc.value(pupilKey), *onServer);
}

Measures::PupilMeasures LabReader::measures(const QString &pupilKey)
{
    const std::optional<Measures::PupilMeasures> onServer = serverMeasures(m_service, pupilKey);
    return onServer ? *onServer : m_file->measures(pupilKey);
}

} // namespace SchoolServer
