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

// What one session tells about one wrong procedure, all that its state needs: a register keeps
// these per session so that a class's states need not judge every answer again.
struct Tally
{
    Analysis::Error label = Analysis::Error::Other;
    bool recurs = false; // recurring in this session
    int scope = 0; // operations where it could apply
    int right = 0; // of them, answered right
    bool marked = false; // one of them answered wrong with this label
};

// The procedures the session's operations have something to say about, in rule order.
QList<Tally> talliesOf(const QList<JudgedOperation> &operations);

struct DatedTallies
{
    QDate day;
    QList<Tally> tallies;
};

// The same as above, from the sessions' tallies.
Status status(Analysis::Error label, const QList<DatedTallies> &sessions);
QList<Found> found(const QList<DatedTallies> &sessions);
QList<Found> stillOpen(const QList<DatedTallies> &sessions);

// "probabile", "confermato", "superato"; empty for None.
QString stateWord(State state);
// "già visto il 3/12: confermato" when first seen before today; the state word alone when first
// seen today; empty for None.
QString note(const Status &status, const QDate &today);

} // namespace Hypothesis
