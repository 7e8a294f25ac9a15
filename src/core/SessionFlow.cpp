// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/SessionFlow.h"

#include "core/NumberText.h"
#include "core/ReviewInput.h"
#include "core/SessionRecord.h"

#include <algorithm>

namespace Exercise {

int operationsPerExercise(const SessionRecord &session)
{
    return std::clamp(session.PupilMeasures.exerciseSize, Measures::SmallestExerciseSize,
        SessionRecord::OperationsPerExercise);
}

int operationsUpTo(const SessionRecord &session, int slot)
{
    if (slot <= 0)
        return 0;
    const int perSlotColumn = SessionRecord::OperationsPerExercise;
    return (slot - 1) / perSlotColumn * operationsPerExercise(session)
        + std::min((slot - 1) % perSlotColumn + 1, operationsPerExercise(session));
}

QString rangeBanner(int rangeLow, int rangeHigh)
{
    return QStringLiteral(" Operazione con numero massimo da ") + NumberText::plainForm(rangeLow)
        + QStringLiteral(" a ") + NumberText::plainForm(rangeHigh);
}

void startSession(SessionRecord &session)
{
    session.RightCount = 0;
    session.ExerciseNo = 0;
    session.OpCount = 0;
    for (int exercise = 1; exercise <= SessionRecord::ExercisesPerSession; ++exercise) {
        session.ExerciseTime[exercise] = 0;
        session.ExerciseTimeText[exercise].clear();
    }
    session.Judged = {};
    Review::forgetSession(session);
}

bool startExercise(SessionRecord &session)
{
    if (session.OpCount >= SessionRecord::OperationsPerSession
        || session.ExerciseNo >= SessionRecord::ExercisesPerSession)
        return false;
    ++session.ExerciseNo;
    session.OpCount = (session.ExerciseNo - 1) * SessionRecord::OperationsPerExercise + 1;
    // A shorter exercise leaves the rest of its column empty, even after a longer session.
    for (int slot = session.OpCount; slot < session.OpCount + SessionRecord::OperationsPerExercise;
         ++slot) {
        session.OpRecords[slot].clear();
        session.Judged[slot] = JudgedOperation();
    }
    session.OpInExercise = 1;
    session.PartialTime = 0;
    session.ExerciseTime[session.ExerciseNo] = 0;
    session.PartialTimeText.clear();
    session.ExerciseTimeText[session.ExerciseNo].clear();
    session.RightInExercise = 0;
    session.WrongInExercise = 0;
    return true;
}

bool startNextOperation(SessionRecord &session)
{
    if (session.OpInExercise >= operationsPerExercise(session)
        || session.OpCount >= SessionRecord::OperationsPerSession)
        return false;
    session.AnswerText.clear();
    ++session.OpCount;
    ++session.OpInExercise;
    return true;
}

bool isExerciseComplete(const SessionRecord &session)
{
    return session.OpInExercise == operationsPerExercise(session);
}

bool areMenusUnlocked(const SessionRecord &session)
{
    return session.OpCount > SessionRecord::OperationsPerExercise;
}

bool isSessionComplete(const SessionRecord &session)
{
    return session.OpCount
        == (SessionRecord::ExercisesPerSession - 1) * SessionRecord::OperationsPerExercise
        + operationsPerExercise(session);
}

QString endOfSessionTitle()
{
    return QStringLiteral("FINE ESERCITAZIONE");
}

QString endOfSessionQuestion()
{
    const QChar cr(13);
    return QStringLiteral("Hai eseguito 4 esercizi.      ") + cr + cr
        + QStringLiteral("Vuoi visualizzare le operazioni eseguite?") + cr
        + QStringLiteral("(Se rispondi NO l'esercizio sarà perso)");
}

void discardRecords(SessionRecord &session)
{
    for (int record = 1; record <= SessionRecord::OperationsPerSession; ++record) {
        session.OpRecords[record].clear();
        session.Judged[record] = JudgedOperation();
    }
}

} // namespace Exercise
