// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ReviewPractice.h"

#include "core/ErrorRules.h"
#include "core/NumberText.h"
#include "core/PupilRegister.h"
#include "core/ReviewInput.h"
#include "core/Scoring.h"

namespace Review {

Practice::Practice(SessionRecord &record, PupilRegister &pupilRegister, double seed)
    : m_record(record), m_register(pupilRegister)
{
    m_random.seed(seed);
    m_sequence.emplace(reviewInputFrom(m_record), m_random);
}

QString Practice::questionTitle() const
{
    return QStringLiteral(" Domanda %1").arg(m_sequence->asked() + 1);
}

std::optional<Exercise::OperationView> Practice::ask()
{
    const Operation &operation = current();
    const auto view =
        Exercise::operationView(operation.difference, operation.subtrahend, operation.askedTerm);
    if (view)
        m_expected = NumberText::plainForm(view->expected);
    return view;
}

Practice::Check Practice::check(const QString &typed)
{
    const Operation &operation = current();
    const int minuend = operation.difference + operation.subtrahend;
    Check check;
    check.right = Exercise::isRight(typed, m_expected);
    check.showsWorking = !check.right
        && Analysis::kindOf(minuend, operation.subtrahend) == Analysis::Kind::WithBorrow;
    if (!check.right)
        check.rightResult = QStringLiteral("Il risultato giusto è ") + m_expected;
    check.spoken = check.right
        ? QStringLiteral("Esatto.")
        : QStringLiteral("Errato. Il risultato giusto è %1.").arg(m_expected);
    m_sequence->answer(check.right);
    return check;
}

QString Practice::finish(const QDateTime &at)
{
    const int reviewed = m_sequence->reviewedCount();
    const int nowRight = m_sequence->nowRightCount();
    noteOutcome(m_record, reviewed, nowRight);
    m_register.reviewDone({ reviewed, nowRight, at });
    return (reviewed == 1 ? QStringLiteral("Hai ripassato 1 operazione")
                          : QStringLiteral("Hai ripassato %1 operazioni").arg(reviewed))
        + QStringLiteral(": ora ne sai fare %1!").arg(nowRight);
}

} // namespace Review
