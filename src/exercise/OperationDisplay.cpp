// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "exercise/OperationDisplay.h"

#include "session/NumberText.h"
#include "session/SessionRecord.h"
#include "ui/RandomSource.h"

#include <cmath>

namespace Exercise {

using NumberText::pad;
using NumberText::plainForm;

int drawAskedTerm(int low, int high, RandomSource &random)
{
    return static_cast<int>(std::floor(random.next() * (high - low + 1))) + low;
}

QString questionPart(const SessionRecord &session)
{
    const int minuend = session.Difference + session.Subtrahend;
    switch (session.AskedTerm) {
    case 1:
        return pad(minuend) + plainForm(minuend) + QStringLiteral(" - ") + session.SubtrahendPad
            + plainForm(session.Subtrahend) + QStringLiteral(" =  ?");
    case 2:
        return QStringLiteral(" ? - ") + session.SubtrahendPad + plainForm(session.Subtrahend)
            + QStringLiteral(" = ") + session.DifferencePad + plainForm(session.Difference);
    case 3:
        return pad(minuend) + plainForm(minuend) + QStringLiteral(" -  ? = ")
            + session.DifferencePad + plainForm(session.Difference);
    default:
        return QString();
    }
}

std::optional<OperationView> presentOperation(SessionRecord &session, RandomSource &random)
{
    session.AskedTerm = drawAskedTerm(session.AskedTermLow, session.AskedTermHigh, random);

    const QString minuend = plainForm(session.Difference + session.Subtrahend);
    const QString subtrahend = plainForm(session.Subtrahend);
    const QString difference = plainForm(session.Difference);
    const QString hidden = QStringLiteral("quanto");
    auto spoken = [](const QString &m, const QString &s, const QString &d) {
        return m + QStringLiteral(" meno ") + s + QStringLiteral(" uguale ") + d + QLatin1Char('?');
    };

    OperationView view;
    switch (session.AskedTerm) {
    case 1:
        view = { minuend, Place::Left, subtrahend, Place::Middle, Place::Right,
            spoken(minuend, subtrahend, hidden) };
        session.ExpectedAnswer = session.Difference;
        break;
    case 2:
        view = { subtrahend, Place::Middle, difference, Place::Right, Place::Left,
            spoken(hidden, subtrahend, difference) };
        session.ExpectedAnswer = session.Difference + session.Subtrahend;
        break;
    case 3:
        view = { minuend, Place::Left, difference, Place::Right, Place::Middle,
            spoken(minuend, hidden, difference) };
        session.ExpectedAnswer = session.Subtrahend;
        break;
    default:
        return std::nullopt;
    }
    session.ExpectedAnswerText = plainForm(session.ExpectedAnswer);
    if (session.OpCount >= 0 && session.OpCount < SessionRecord::RecordSlots)
        session.OpRecords[session.OpCount] = questionPart(session);
    return view;
}

} // namespace Exercise
