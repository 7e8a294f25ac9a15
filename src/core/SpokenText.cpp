// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/SpokenText.h"

#include "core/DrillCodes.h"
#include "core/Scoring.h"
#include "core/SessionFlow.h"
#include "core/SessionRecord.h"

#include <optional>

namespace Exercise {

QString taskSentence(int askedTerm)
{
    const std::optional<Term> term = termOf(askedTerm);
    return term ? termTask(*term) : QString();
}

QString verdictSentence(const SessionRecord &session, bool right)
{
    const QString seconds = partialTimeCaption(session).trimmed();
    QString sentence = right ? QStringLiteral("Esatto.") : QStringLiteral("Errato.");
    if (!seconds.isEmpty()) // a pupil whose times are hidden hears none
        sentence += QLatin1Char(' ') + seconds
            + (seconds == QLatin1String("1") ? QStringLiteral(" secondo.")
                                             : QStringLiteral(" secondi."));
    if (isExerciseComplete(session)) {
        const int rights = session.RightInExercise;
        sentence += QStringLiteral(" Esercizio %1 finito: %2 %3 su %4.")
                        .arg(session.ExerciseNo)
                        .arg(rights)
                        .arg(rights == 1 ? QStringLiteral("risposta esatta")
                                         : QStringLiteral("risposte esatte"))
                        .arg(operationsPerExercise(session));
    }
    return sentence;
}

} // namespace Exercise
