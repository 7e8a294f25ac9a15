// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/Hypothesis.h"
#include "core/PracticeMastery.h"

#include <QDate>
#include <QList>
#include <QString>

// "La mia mappa": the families in teaching order with how far the pupil has come in each.
namespace Practice {

struct MapStep
{
    Family family = Family::WithinTen;
    QString name; // "Entro il 10"
    Mastery mastery;
    QString stateText; // "da iniziare", "in allenamento", "imparata il 05/10"
};

// Every family, in teaching order, from all the pupil's sessions, today's included.
QList<MapStep> mapOf(const QList<Hypothesis::DatedSession> &sessions);
// One sentence for the families learned today ("Evviva! Oggi hai imparato «Entro il 10»!"),
// empty when none was.
QString celebrationOfToday(const QList<MapStep> &steps, const QDate &today);

} // namespace Practice
