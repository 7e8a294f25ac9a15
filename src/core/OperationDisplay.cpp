// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/OperationDisplay.h"

#include "core/SpokenText.h"

#include "core/NumberText.h"
#include "core/RandomSource.h"
#include "core/SessionRecord.h"

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

std::optional<OperationView> operationView(int difference, int subtrahend, int askedTerm)
{
    const QString minuend = plainForm(difference + subtrahend);
    const QString subtrahendText = plainForm(subtrahend);
    const QString differenceText = plainForm(difference);
    const QString hidden = QStringLiteral("quanto");
    auto spoken = [](const QString &m, const QString &s, const QString &d) {
        return m + QStringLiteral(" meno ") + s + QStringLiteral(" uguale ") + d + QLatin1Char('?');
    };

    std::optional<OperationView> view;
    switch (askedTerm) {
    case 1:
        view = OperationView { minuend, Place::Left, subtrahendText, Place::Middle, Place::Right,
            spoken(minuend, subtrahendText, hidden), difference, taskSentence(askedTerm) };
        break;
    case 2:
        view = OperationView { subtrahendText, Place::Middle, differenceText, Place::Right,
            Place::Left, spoken(hidden, subtrahendText, differenceText), difference + subtrahend,
            taskSentence(askedTerm) };
        break;
    case 3:
        view = OperationView { minuend, Place::Left, differenceText, Place::Right, Place::Middle,
            spoken(minuend, hidden, differenceText), subtrahend, taskSentence(askedTerm) };
        break;
    default:
        return std::nullopt;
    }
    return view;
}

std::optional<OperationView> presentOperation(SessionRecord &session, RandomSource &random)
{
    session.AskedTerm = drawAskedTerm(session.AskedTermLow, session.AskedTermHigh, random);
    return presentAskedTerm(session);
}

std::optional<OperationView> presentAskedTerm(SessionRecord &session)
{
    const auto view = operationView(session.Difference, session.Subtrahend, session.AskedTerm);
    if (!view)
        return std::nullopt;
    session.ExpectedAnswer = view->expected;
    session.ExpectedAnswerText = plainForm(session.ExpectedAnswer);
    if (session.OpCount >= 0 && session.OpCount < SessionRecord::RecordSlots)
        session.OpRecords[session.OpCount] = questionPart(session);
    return view;
}

} // namespace Exercise
