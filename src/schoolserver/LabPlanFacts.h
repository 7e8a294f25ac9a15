// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RegisterValues.h"
#include "register/PupilHistories.h"

#include <QByteArray>
#include <optional>

// What the school server gives a lab PC for one pupil's "Allenamento di oggi" (lab_plan_facts of
// scripts/registro-postgresql.sql), and how it joins what the PC's own file holds: the server has
// every session a PC sent, the PC's file its own sessions not yet sent and those of the last day.
namespace SchoolServer {

struct ServerSession
{
    QString digest; // of the session's id: the PC knows its own sessions by it
    Hypothesis::DatedSession session;
};

struct ServerPlanFacts
{
    QList<ServerSession> sessions; // oldest first
    std::optional<Practice::Assignment> assignment;
};

// The digest the server gives for a session's id.
QString sessionDigest(const QString &sessionId);

// lab_plan_facts's answer; none when it is not one.
std::optional<ServerPlanFacts> planFactsOfJson(const QByteArray &json);

// Asks the server, as the lab PCs' role, on a connection of its own made and closed in the
// calling thread; none when the server does not answer or refuses.
std::optional<ServerPlanFacts> serverPlanFacts(const QString &service, const QString &pupilKey);

// The pupil's facts from both: each of the PC's sessions as the PC has it (the whole of one the
// server has only in part), the server's others, by day; the server's assignment, the teacher's
// on a lab.
Register::PracticeFacts joinedFacts(
    const QList<Register::StoredSession> &onThisPc, const ServerPlanFacts &onServer);

} // namespace SchoolServer
