// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/OperationDisplay.h"
#include "core/PracticeFamily.h"
#include "core/PupilRegister.h"

#include <QDate>
#include <functional>
#include <optional>

class RandomSource;
struct SessionRecord;

namespace Exercise {

// What one judged answer comes to, worked out once, for the screen to show and the register to
// keep.
struct Verdict
{
    bool right = false;
    int mark = 0; // the face to show: 1..10 right, 11..20 wrong, 0 once a row is full
    QString spoken; // "Esatto. 3 secondi." and, after the tenth, the exercise's score
    QString partialTimeCaption;
    QString exerciseTimeCaption;
    QString recordLine; // the completed line, "15 -  7 =  ?   (8)   5 Tp"
    bool exerciseComplete = false; // the tenth answer of the exercise
    bool menusUnlocked = false; // the report and the certificate may open
    bool sessionComplete = false; // the fortieth answer: the session has ended
    Register::Answer answer; // as the register was told, its error label included
};

// The readings of the day and the time of day the session needs.
struct DayClock
{
    std::function<float()> timeOfDay; // seconds since midnight
    std::function<QDate()> today;
};

// One session of the exercise screen, from its first operation to its end: it draws and shows
// each operation by the range's and the mode's rules, judges each answer once, counts, keeps the
// record lines and the judged facts in the session record, and tells the register the start,
// every answer and the end, once. Four exercises of ten operations.
class Session
{
public:
    enum class State {
        Answering, // an operation is on show, waiting for its answer
        Judged, // the operation on show has been judged; the next one may come
        Ended, // the fortieth answer is judged, or the session was interrupted
    };

    Session(
        SessionRecord &record, RandomSource &random, PupilRegister &pupilRegister, DayClock clock);

    // A new session on the record: nothing judged, no times, the register told, and the first
    // exercise's first operation on show. A plan on the record (today's practice) is taken:
    // this session, and each begun again after it, asks its operations in order.
    void begin();
    // The next exercise, once the tenth operation of one is judged; refused (false) otherwise.
    bool nextExercise();
    // The next operation of the exercise, once the one on show is judged and it was not the
    // tenth; refused (false) otherwise.
    bool nextOperation();
    // The operation on show; nothing when its asked term is outside the mode (the last one stays).
    const std::optional<OperationView> &operation() const { return m_operation; }

    // Judges the answer typed for the operation on show, answered in `seconds`; nothing when
    // there is none waiting for an answer.
    std::optional<Verdict> judge(const QString &typed, double seconds);
    // The pupil asked for the number line while the operation on show waits for its answer: the
    // answer is kept as an aided one.
    void noteAidUsed();

    // The screen closes: a session not yet ended is reported interrupted, once.
    void interrupt();
    // The pupil throws an ended session away: its records 1 to 40 go; begin() starts the next.
    void discard();

    State state() const { return m_state; }
    bool isJudged() const { return m_state != State::Answering; }
    bool hasEnded() const { return m_state == State::Ended; }
    // Some answer of this session was wrong: a review has something to ask.
    bool hasMissed() const;

private:
    void present();
    void end(Register::Ending how);
    QDateTime now() const;

    SessionRecord &m_record;
    RandomSource &m_random;
    PupilRegister &m_register;
    DayClock m_clock;
    State m_state = State::Ended;
    std::optional<OperationView> m_operation;
    QList<Practice::Operation> m_plan; // today's practice; empty for drawn operations
    bool m_aidUsed = false; // for the operation on show
};

} // namespace Exercise
