// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ReviewSequence.h"

#include "core/OperationDisplay.h"
#include "core/OperationGenerator.h"
#include "core/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Review {

namespace {

    // Where the known operations stand among the asks of one missed operation.
    enum class Slot { Missed, Known };
    constexpr Slot Rehearsal[] = { Slot::Missed, Slot::Known, Slot::Missed, Slot::Known,
        Slot::Known, Slot::Missed };
    static_assert(std::size(Rehearsal) == Sequence::AsksPerPlan);

    // Drawn numbers far from any rule's band are drawn again; a few hundred attempts always
    // suffice, the bound only keeps a broken rule from looping.
    constexpr int MostAttempts = 1000;

    int pick(qsizetype count, RandomSource &random)
    {
        return static_cast<int>(std::floor(random.next() * static_cast<double>(count)));
    }

} // namespace

Sequence::Sequence(const Input &input, RandomSource &random)
{
    // The missed most recently, each once, then put back in the order first missed.
    QList<Operation> recent;
    for (auto operation = input.missed.crbegin();
         operation != input.missed.crend() && recent.size() < MostMissed; ++operation) {
        if (!recent.contains(*operation))
            recent.append(*operation);
    }
    for (const Operation &operation : input.missed) {
        if (recent.contains(operation) && !m_missed.contains(operation))
            m_missed.append(operation);
    }
    for (const Operation &operation : input.known) {
        if (!m_known.contains(operation) && !m_missed.contains(operation))
            m_known.append(operation);
    }
    m_progress.resize(m_missed.size());

    Operation previous { 0, 0, 0 };
    for (int missed = 0; missed < m_missed.size(); ++missed) {
        for (const Slot slot : Rehearsal) {
            if (slot == Slot::Missed) {
                m_steps.append({ m_missed.at(missed), missed });
            } else {
                previous = drawKnown(input, random, previous);
                m_steps.append({ previous, -1 });
            }
        }
    }
}

Operation Sequence::drawKnown(
    const Input &input, RandomSource &random, const Operation &previous) const
{
    Operation drawn;
    for (int attempt = 0; attempt < MostAttempts; ++attempt) {
        drawn = m_known.size() >= FewestKnown ? m_known.at(pick(m_known.size(), random))
                                              : drawFromRange(input, random);
        if (drawn != previous)
            break;
    }
    return drawn;
}

Operation Sequence::drawFromRange(const Input &input, RandomSource &random) const
{
    Operation drawn;
    const auto rule = Exercise::drawRule(input.rangeLevel);
    if (!rule)
        return m_known.isEmpty() ? drawn : m_known.first();
    for (int attempt = 0; attempt < MostAttempts; ++attempt) {
        drawn.difference = rule->differenceBase + pick(rule->differenceSpan, random);
        drawn.subtrahend = rule->subtrahendBase + pick(rule->subtrahendSpan, random);
        drawn.askedTerm = Exercise::drawAskedTerm(input.askedTermLow, input.askedTermHigh, random);
        if (rule->accepts(drawn.difference, drawn.subtrahend) && !m_missed.contains(drawn))
            break;
    }
    return drawn;
}

bool Sequence::isFinished() const
{
    return m_asked >= MostQuestions || m_next >= m_steps.size();
}

const Operation &Sequence::current() const
{
    return m_steps.at(m_next).operation;
}

void Sequence::answer(bool right)
{
    if (isFinished())
        return;
    const Step step = m_steps.at(m_next);
    ++m_next;
    ++m_asked;
    if (step.missed < 0)
        return;
    Progress &progress = m_progress[step.missed];
    progress.lastRight = right;
    if (right)
        return;
    ++progress.wrong;
    if (progress.wrong == 1)
        m_steps.append(step);
    else if (progress.wrong == 2)
        keepOneMoreAsk(step);
}

// After the second miss: the next ask already planned is the last one, or one at the end.
void Sequence::keepOneMoreAsk(const Step &step)
{
    const auto same = [&step](const Step &other) { return other.missed == step.missed; };
    const auto next = std::find_if(m_steps.begin() + m_next, m_steps.end(), same);
    if (next == m_steps.end())
        m_steps.append(step);
    else
        m_steps.erase(std::remove_if(next + 1, m_steps.end(), same), m_steps.end());
}

int Sequence::nowRightCount() const
{
    int count = 0;
    for (const Progress &progress : m_progress)
        count += progress.lastRight ? 1 : 0;
    return count;
}

} // namespace Review
