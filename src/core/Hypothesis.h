// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ErrorRules.h"
#include "core/SessionRecord.h"

#include <QDate>
#include <QList>
#include <QString>

// A wrong procedure found once is a hypothesis until it is seen again on another day: its state
// over a pupil's dated sessions.
namespace Hypothesis {

enum class State {
    None, // never recurring
    Probable, // recurring on one day ("probabile")
    Confirmed, // recurring on two different days ("confermato")
    Overcome, // on a later day: at least 5 operations where it could apply, at least 80 % of
    // them right, and none with that label ("superato")
};

struct DatedSession
{
    QDate day;
    QList<JudgedOperation> operations;
};

struct Status
{
    State state = State::None;
    QDate firstSeen; // the first day it recurred
};

// The label's state after these sessions, taken in the order of their days; the sessions of
// one day count together for the check that overcomes it. A label recurring again after it
// was overcome is confirmed (it has now recurred on two days).
Status status(Analysis::Error label, const QList<DatedSession> &sessions);

struct Found
{
    Analysis::Error label = Analysis::Error::Other;
    Status status;
};

// Every wrong procedure that recurred in these sessions, with its state, in rule order.
QList<Found> found(const QList<DatedSession> &sessions);
// The probable and the confirmed ones: what the teacher still has to look at.
QList<Found> stillOpen(const QList<DatedSession> &sessions);

// "probabile", "confermato", "superato"; empty for None.
QString stateWord(State state);
// "già visto il 3/12: confermato" when first seen before today; the state word alone when first
// seen today; empty for None.
QString note(const Status &status, const QDate &today);

} // namespace Hypothesis
