// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/OperationDisplay.h"
#include "core/RandomSource.h"
#include "core/ReviewSequence.h"

#include <QDateTime>
#include <optional>

class PupilRegister;
struct SessionRecord;

namespace Review {

// One review of the session's missed operations, from its first question to its closing words:
// the questions in the order of a Sequence, each answer judged, and the outcome noted in the
// session record and told to the register at the end. Nothing else of the session changes.
class Practice
{
public:
    // What one answer comes to.
    struct Check
    {
        bool right = false;
        bool showsWorking = false; // wrong where a ten has to be changed: the worked solution
        QString rightResult; // "Il risultato giusto è 8" after a wrong answer, else empty
        QString spoken; // "Esatto." or "Errato. Il risultato giusto è 8."
    };

    // The review's own draws start from the clock reading `seed`.
    Practice(SessionRecord &record, PupilRegister &pupilRegister, double seed);

    bool isFinished() const { return m_sequence->isFinished(); }
    // The question on show, " Domanda 3", and how it shows; only while not finished.
    const Operation &current() const { return m_sequence->current(); }
    QString questionTitle() const;
    std::optional<Exercise::OperationView> ask();
    Check check(const QString &typed);
    // Notes the outcome, tells the register and returns the closing words.
    QString finish(const QDateTime &at);

private:
    SessionRecord &m_record;
    PupilRegister &m_register;
    MixingRandomSource m_random;
    std::optional<Sequence> m_sequence;
    QString m_expected;
};

} // namespace Review
