// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilMeasures.h"

#include <QByteArray>
#include <optional>

// What the school server gives a lab PC about one pupil's accommodations (lab_measures of
// scripts/registro-postgresql.sql): the teacher sets them on the server, which alone has them.
namespace SchoolServer {

// lab_measures's answer: the default for a pupil without measures (an empty or null answer);
// none when it is not one.
std::optional<Measures::PupilMeasures> measuresOfJson(const QByteArray &json);

// Asks the server, as the lab PCs' role, on a connection of its own made and closed in the
// calling thread; none when the server does not answer or refuses.
std::optional<Measures::PupilMeasures> serverMeasures(
    const QString &service, const QString &pupilKey);

} // namespace SchoolServer
