// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "PracticeSimulation.h"

#include "DiagnosisSimulation.h"

#include "core/Hypothesis.h"
#include "core/PracticeHistory.h"
#include "core/PracticeMastery.h"
#include "core/RandomSource.h"
#include "core/TellingOperations.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace PracticeSimulation {

using Practice::Family;
using Practice::Operation;

namespace {

    // The course's school days: two weeks from a Monday, the ordinary session on the Friday
    // before.
    const QDate FirstMonday(2026, 10, 5);

    QList<QDate> schoolDays()
    {
        QList<QDate> days;
        for (QDate day = FirstMonday; days.size() < CourseDays; day = day.addDays(1)) {
            if (day.dayOfWeek() <= 5)
                days.append(day);
        }
        return days;
    }

    int key(const Operation &operation)
    {
        return (operation.minuend * 1000 + operation.subtrahend) * 4 + operation.askedTerm;
    }

    // How the simulated pupil answers.
    class Answering
    {
    public:
        Answering(const Pupil &pupil, std::uint64_t seed) : m_pupil(pupil), m_random(seed) { }

        JudgedOperation answer(const Operation &operation)
        {
            const Family family = Practice::practisedAs(operation);
            const bool weak = m_pupil.weakFamily == family;
            const double weakness = weak ? std::pow(0.93, m_weakRight) : 0.0;
            const int right =
                Analysis::rightValue(operation.minuend, operation.subtrahend, operation.askedTerm);
            const Analysis::ProcedureAnswers procedure = Analysis::procedureAnswers(
                m_pupil.procedure, operation.minuend, operation.subtrahend, operation.askedTerm);
            int value = right;
            if (m_tellingMet < DropsProcedureAfter && !procedure.isEmpty()
                && procedure.first() != right) {
                value = procedure.first();
                if (Analysis::discriminates(m_pupil.procedure, operation.minuend,
                        operation.subtrahend, operation.askedTerm))
                    ++m_tellingMet;
            } else if (m_random.next() < m_pupil.slipRate + 0.45 * weakness) {
                value = DiagnosisSimulation::slip(right, m_random);
            }
            if (weak && value == right)
                ++m_weakRight;
            const double slower =
                (1.0 + 1.5 * weakness) * (m_pupil.seconds + 0.25 * int(family) + m_random.next());
            return { true, operation.minuend, operation.subtrahend, operation.askedTerm,
                QString::number(value), value == right, int(std::lround(slower)) };
        }

    private:
        const Pupil &m_pupil;
        MixingRandomSource m_random;
        int m_weakRight = 0;
        int m_tellingMet = 0;
    };

    bool isLearned(Family family, const Practice::History &history)
    {
        return Practice::mastery(family, history).state == Practice::Mastery::State::Learned;
    }

    bool isOpen(Hypothesis::State state)
    {
        return state == Hypothesis::State::Probable || state == Hypothesis::State::Confirmed;
    }

    // Days on which an operation practised as the family was asked, up to a day.
    int daysAsked(Family family, const Practice::History &history, const QDate &upTo)
    {
        QSet<QDate> days;
        for (const Operation &operation : history.operations()) {
            if (Practice::practisedAs(operation) != family)
                continue;
            for (const Practice::Answer &answer : history.answers(operation)) {
                if (answer.day <= upTo)
                    days.insert(answer.day);
            }
        }
        return int(days.size());
    }

} // namespace

void Figures::add(const Figures &other)
{
    courses += other.courses;
    missed += other.missed;
    missedAskedAgain += other.missedAskedAgain;
    plans += other.plans;
    plansOnWhatIsNotLearned += other.plansOnWhatIsNotLearned;
    lowestSharePercent = std::min(lowestSharePercent, other.lowestSharePercent);
    plansOutOfReach += other.plansOutOfReach;
    outOfReachLowestShare = std::min(outOfReachLowestShare, other.outOfReachLowestShare);
    plansWithinHardCap += other.plansWithinHardCap;
    mostHard = std::max(mostHard, other.mostHard);
    plansKnowingEnough += other.plansKnowingEnough;
    plansKnowingTooFew += other.plansKnowingTooFew;
    tooFewMostHard = std::max(tooFewMostHard, other.tooFewMostHard);
    familiesInPlay += other.familiesInPlay;
    learnedByNextDay += other.learnedByNextDay;
    learned += other.learned;
    learnedAfterOneDay += other.learnedAfterOneDay;
    openProcedureDays += other.openProcedureDays;
    daysWithTelling += other.daysWithTelling;
    overcome += other.overcome;
    overcomeDaySum += other.overcomeDaySum;
}

Figures course(const Pupil &pupil, std::uint64_t seed)
{
    Figures figures;
    figures.courses = 1;
    Answering answering(pupil, seed);
    MixingRandomSource planning(~seed);
    const QList<QDate> days = schoolDays();
    const bool fluentPupil =
        pupil.slipRate == 0 && !pupil.weakFamily && pupil.procedure == Analysis::Error::None;

    QList<Hypothesis::DatedSession> history;
    if (pupil.firstLevel > 0) {
        history.append({ days.first().addDays(-3),
            DiagnosisSimulation::play(
                pupil.procedure, pupil.firstLevel, 1, pupil.firstAskedHigh, seed)
                .operations });
    }
    QList<QSet<int>> asked; // per course day
    QList<QList<Operation>> missed; // per day of the history
    const auto noteMisses = [&](const Hypothesis::DatedSession &session) {
        QList<Operation> wrong;
        for (const JudgedOperation &one : session.operations) {
            const Operation operation { one.minuend, one.subtrahend, one.askedTerm };
            if (!one.right && !wrong.contains(operation))
                wrong.append(operation);
        }
        missed.append(wrong);
    };
    if (!history.isEmpty())
        noteMisses(history.first());
    const bool newPupil = history.isEmpty();
    QList<QList<Family>> inPlay;

    for (const QDate &today : days) {
        const Practice::History past(history);
        const QList<Hypothesis::Found> found = Hypothesis::found(history);
        const Practice::TodayPlan plan =
            Practice::todayPlan(history, found, pupil.assignment, today, planning);
        inPlay.append(plan.inPlay);

        QList<bool> learned;
        for (const Family family : Practice::families())
            learned.append(isLearned(family, past));
        // From a family not learned, or a miss due again.
        const auto onWhatIsNotLearned = [&](const Operation &operation) {
            const QDate due = past.dueOn(operation);
            return !learned[int(Practice::practisedAs(operation))]
                || (due.isValid() && due <= today);
        };
        int hard = 0;
        int onNotLearned = 0;
        QSet<int> keys;
        for (const Practice::PlannedOperation &planned : plan.operations) {
            const Operation &operation = planned.operation;
            keys.insert(key(operation));
            hard += past.isHard(operation) ? 1 : 0;
            onNotLearned += onWhatIsNotLearned(operation) ? 1 : 0;
        }
        asked.append(keys);
        int known = 0;
        int knownNotLearned = 0;
        for (const Operation &operation : past.operations()) {
            if (past.isHard(operation))
                continue;
            ++known;
            knownNotLearned += onWhatIsNotLearned(operation) ? 1 : 0;
        }
        if (std::any_of(plan.inPlay.cbegin(), plan.inPlay.cend(),
                [&](Family family) { return !learned[int(family)]; })) {
            const int share = 100 * onNotLearned / int(plan.operations.size());
            if (2 * (Practice::HardCap + knownNotLearned) >= Practice::PlanSize) {
                ++figures.plans;
                figures.lowestSharePercent = std::min(figures.lowestSharePercent, share);
                figures.plansOnWhatIsNotLearned += 2 * onNotLearned >= Practice::PlanSize ? 1 : 0;
            } else {
                ++figures.plansOutOfReach;
                figures.outOfReachLowestShare = std::min(figures.outOfReachLowestShare, share);
            }
            if (known >= Practice::PlanSize - Practice::HardCap) {
                ++figures.plansKnowingEnough;
                figures.plansWithinHardCap += hard <= Practice::HardCap ? 1 : 0;
                figures.mostHard = std::max(figures.mostHard, hard);
            } else {
                ++figures.plansKnowingTooFew;
                figures.tooFewMostHard = std::max(figures.tooFewMostHard, hard);
            }
        }
        for (const Hypothesis::Found &one : found) {
            if (one.label != pupil.procedure || !isOpen(one.status.state))
                continue;
            ++figures.openProcedureDays;
            figures.daysWithTelling += std::any_of(plan.operations.cbegin(), plan.operations.cend(),
                [&](const Practice::PlannedOperation &planned) {
                    return Analysis::discriminates(one.label, planned.operation.minuend,
                        planned.operation.subtrahend, planned.operation.askedTerm);
                });
        }

        Hypothesis::DatedSession session { today, {} };
        for (const Practice::PlannedOperation &planned : plan.operations)
            session.operations.append(answering.answer(planned.operation));
        history.append(session);
        noteMisses(session);
    }

    // Missed operations asked again within the next three practice days. missed[0] is the
    // ordinary session's day when there is one, and asked[0] the first course day.
    const int offset = newPupil ? 0 : 1;
    for (qsizetype day = 0; day < missed.size(); ++day) {
        const qsizetype firstAfter = day - offset + 1;
        if (firstAfter + 3 > asked.size())
            continue;
        for (const Operation &operation : missed[day]) {
            ++figures.missed;
            for (qsizetype later = firstAfter; later < firstAfter + 3; ++later) {
                if (asked[later].contains(key(operation))) {
                    ++figures.missedAskedAgain;
                    break;
                }
            }
        }
    }

    const Practice::History all(history);
    if (fluentPupil) {
        for (int index = 0; index + 1 < days.size(); ++index) {
            const Practice::History next(history.mid(0, index + 2 + offset));
            for (const Family family : inPlay[index]) {
                ++figures.familiesInPlay;
                figures.learnedByNextDay += isLearned(family, next) ? 1 : 0;
            }
        }
        for (const Family family : Practice::families()) {
            const Practice::Mastery mastery = Practice::mastery(family, all);
            if (mastery.state != Practice::Mastery::State::Learned)
                continue;
            ++figures.learned;
            figures.learnedAfterOneDay += daysAsked(family, all, mastery.learnedOn) < 2 ? 1 : 0;
        }
    }
    if (pupil.procedure != Analysis::Error::None) {
        const Hypothesis::Status status = Hypothesis::status(pupil.procedure, history);
        if (status.state == Hypothesis::State::Overcome) {
            ++figures.overcome;
            // The first course day after which it stands overcome.
            for (int index = 0; index < days.size(); ++index) {
                const auto upTo = history.mid(0, index + 1 + offset);
                if (Hypothesis::status(pupil.procedure, upTo).state
                    == Hypothesis::State::Overcome) {
                    figures.overcomeDaySum += index + 1;
                    break;
                }
            }
        }
    }
    return figures;
}

} // namespace PracticeSimulation
