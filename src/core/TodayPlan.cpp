// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/TodayPlan.h"

#include "core/PracticeHistory.h"
#include "core/PracticeMastery.h"
#include "core/RandomSource.h"
#include "core/TellingOperations.h"

#include <algorithm>
#include <cmath>

namespace Practice {

namespace {

    using Source = PlannedOperation::Source;

    template <typename T> void shuffle(QList<T> &items, RandomSource &random)
    {
        for (qsizetype i = items.size() - 1; i > 0; --i) {
            const auto j = static_cast<qsizetype>(std::floor(random.next() * double(i + 1)));
            std::swap(items[i], items[j]);
        }
    }

    // The plan as it fills, keeping the count of hard operations.
    class Filling
    {
    public:
        explicit Filling(const History &history) : m_history(history) { }

        bool isFull() const { return m_chosen.size() >= PlanSize; }
        bool hasHardRoom() const { return m_hard < HardCap; }
        bool contains(const Operation &operation) const
        {
            return std::any_of(m_chosen.cbegin(), m_chosen.cend(),
                [&](const PlannedOperation &one) { return one.operation == operation; });
        }
        // False when it is already in, or the plan is full, or it is hard and the cap is
        // reached (unless beyondCap).
        bool add(const Operation &operation, Source source, bool beyondCap = false)
        {
            const bool hard = m_history.isHard(operation);
            if (isFull() || contains(operation) || (hard && !hasHardRoom() && !beyondCap))
                return false;
            m_chosen.append({ operation, source, hard });
            m_hard += hard ? 1 : 0;
            return true;
        }
        // Once every pool has run out: the operations chosen so far once more.
        void repeatUntilFull()
        {
            for (qsizetype i = 0; !m_chosen.isEmpty() && !isFull(); ++i) {
                PlannedOperation again = m_chosen[i];
                m_hard += again.hard ? 1 : 0;
                m_chosen.append(again);
            }
        }
        QList<PlannedOperation> &chosen() { return m_chosen; }

    private:
        const History &m_history;
        QList<PlannedOperation> m_chosen;
        int m_hard = 0;
    };

    // The assigned families; or the families not learned, in teaching order, up to the first
    // one never practised.
    QList<Family> familiesInPlay(const QList<Mastery> &masteries, const History &history,
        const std::optional<Assignment> &assignment)
    {
        if (assignment && !assignment->families.isEmpty()) {
            QList<Family> assigned;
            for (const Family family : families()) {
                if (assignment->families.contains(family))
                    assigned.append(family);
            }
            return assigned;
        }
        QList<Family> inPlay;
        for (const Family family : families()) {
            if (masteries[int(family)].state == Mastery::State::Learned)
                continue;
            inPlay.append(family);
            const bool practised = std::any_of(history.operations().cbegin(),
                history.operations().cend(),
                [family](const Operation &operation) { return practisedAs(operation) == family; });
            if (!practised)
                break;
        }
        return inPlay;
    }

    int ceilingFor(const History &history, const QList<Family> &inPlay,
        const std::optional<Assignment> &assignment)
    {
        if (assignment && ceilingOfLevel(assignment->rangeLevel) > 0)
            return ceilingOfLevel(assignment->rangeLevel);
        const QList<int> &ceilings = minuendCeilings();
        qsizetype step = 0;
        while (step + 1 < ceilings.size() && ceilings[step] < history.largestMinuend())
            ++step;
        const auto tooFew = [&](Family family) {
            return drawable(family, ceilings[step]).size() < LearnedOperations;
        };
        while (step + 1 < ceilings.size() && std::any_of(inPlay.cbegin(), inPlay.cend(), tooFew))
            ++step;
        return ceilings[step];
    }

    bool tells(Analysis::Error procedure, const Operation &operation)
    {
        return Analysis::discriminates(
            procedure, operation.minuend, operation.subtrahend, operation.askedTerm);
    }

    QList<Operation> everyDrawable(int ceiling)
    {
        QList<Operation> all;
        for (const Family family : families())
            all += drawable(family, ceiling);
        return all;
    }

    void addTelling(Filling &plan, const History &history, const QList<Operation> &due,
        const QList<Hypothesis::Found> &procedures, int ceiling, RandomSource &random)
    {
        for (const Hypothesis::Found &found : procedures) {
            const auto state = found.status.state;
            if (state != Hypothesis::State::Probable && state != Hypothesis::State::Confirmed)
                continue;
            const auto telling = [&](const Operation &operation) {
                return tells(found.label, operation);
            };
            QList<Operation> candidates;
            for (const Operation &operation : due) {
                if (telling(operation))
                    candidates.append(operation);
            }
            QList<Operation> known;
            for (const Operation &operation : history.operations()) {
                if (!history.isHard(operation) && telling(operation))
                    known.append(operation);
            }
            QList<Operation> fresh;
            for (const int size : { ceiling, minuendCeilings().last() }) {
                for (const Operation &operation : everyDrawable(size)) {
                    if (telling(operation) && history.answers(operation).isEmpty())
                        fresh.append(operation);
                }
                if (!fresh.isEmpty())
                    break;
            }
            shuffle(known, random);
            shuffle(fresh, random);
            candidates += known + fresh;
            int taken = 0;
            for (const Operation &operation : std::as_const(candidates)) {
                if (taken == TellingPerProcedure)
                    break;
                if (plan.contains(operation) || plan.add(operation, Source::Telling))
                    ++taken;
            }
        }
    }

    // Operations of the family that are not answered right yet, and not due (those come back
    // by their due day).
    QList<Operation> newOperations(
        Family family, int ceiling, const History &history, RandomSource &random)
    {
        QList<Operation> pool = drawable(family, ceiling);
        pool.removeIf([&](const Operation &operation) {
            return !history.isHard(operation) || history.dueOn(operation).isValid();
        });
        shuffle(pool, random);
        return pool;
    }

    // New operations of the families in turn, until the plan is full or (within the cap) the
    // hard places are taken.
    void addNew(Filling &plan, QList<QList<Operation>> &pools, bool beyondCap)
    {
        bool left = true;
        while (left && !plan.isFull()) {
            left = false;
            for (QList<Operation> &pool : pools) {
                if (!beyondCap && !plan.hasHardRoom())
                    return;
                while (!pool.isEmpty() && !plan.add(pool.takeFirst(), Source::New, beyondCap)) { }
                left = left || !pool.isEmpty();
            }
        }
    }

} // namespace

TodayPlan todayPlan(const QList<Hypothesis::DatedSession> &history,
    const QList<Hypothesis::Found> &procedures, const std::optional<Assignment> &assignment,
    const QDate &today, RandomSource &random)
{
    QList<Hypothesis::DatedSession> earlier = history;
    earlier.removeIf([&](const Hypothesis::DatedSession &session) { return session.day >= today; });
    const History past(earlier);
    QList<Mastery> masteries;
    for (const Family family : families())
        masteries.append(mastery(family, past));

    TodayPlan plan;
    plan.inPlay = familiesInPlay(masteries, past, assignment);
    plan.ceiling = ceilingFor(past, plan.inPlay, assignment);
    Filling filling(past);

    QList<Operation> due;
    for (const Operation &operation : past.operations()) {
        const QDate dueOn = past.dueOn(operation);
        if (dueOn.isValid() && dueOn <= today)
            due.append(operation);
    }
    std::stable_sort(due.begin(), due.end(),
        [&](const Operation &a, const Operation &b) { return past.dueOn(a) < past.dueOn(b); });

    addTelling(filling, past, due, procedures, plan.ceiling, random);
    for (const Operation &operation : std::as_const(due))
        filling.add(operation, Source::DueAgain);

    // Each family in play gets new operations up to FreshTarget with the ones it has known, the
    // family with the fewest known first (a family never practised before the others); then the
    // hard places left go round the families.
    QList<std::pair<qsizetype, QList<Operation>>> byKnown; // known operations, new ones
    for (const Family family : std::as_const(plan.inPlay)) {
        const auto count = std::count_if(
            past.operations().cbegin(), past.operations().cend(), [&](const Operation &operation) {
                return practisedAs(operation) == family && !past.isHard(operation);
            });
        byKnown.append({ count, newOperations(family, plan.ceiling, past, random) });
    }
    std::stable_sort(byKnown.begin(), byKnown.end(),
        [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<QList<Operation>> pools;
    for (const auto &[count, pool] : std::as_const(byKnown)) {
        QList<QList<Operation>> own { pool.mid(0, std::max(0, FreshTarget - int(count))) };
        addNew(filling, own, false);
        pools.append(pool);
    }
    addNew(filling, pools, false);

    // Known operations: the families in play not learned, the others not learned, the learned
    // ones.
    QList<Operation> tiers[3];
    for (const Operation &operation : past.operations()) {
        if (past.isHard(operation))
            continue;
        const Family family = practisedAs(operation);
        const bool learned = masteries[int(family)].state == Mastery::State::Learned;
        const int tier = learned ? 2 : plan.inPlay.contains(family) ? 0 : 1;
        tiers[tier].append(operation);
    }
    for (QList<Operation> &tier : tiers) {
        shuffle(tier, random);
        for (const Operation &operation : std::as_const(tier))
            filling.add(operation, Source::Known);
    }

    // Too few known operations: more new ones, of the families in play and then of the others
    // in teaching order.
    addNew(filling, pools, true);
    for (const Family family : families()) {
        QList<QList<Operation>> other { newOperations(family, plan.ceiling, past, random) };
        addNew(filling, other, true);
    }
    filling.repeatUntilFull();

    plan.operations = filling.chosen();
    shuffle(plan.operations, random);
    return plan;
}

} // namespace Practice
