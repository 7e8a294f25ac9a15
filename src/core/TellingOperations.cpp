// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/TellingOperations.h"

namespace Analysis {

namespace {

    // Every label that stands for a procedure of its own (the answer both borrow errors give
    // is not one).
    const QList<Error> &ownProcedures()
    {
        static const QList<Error> list = [] {
            QList<Error> result;
            for (int e = 0; e < ErrorCount; ++e) {
                const auto error = static_cast<Error>(e);
                if (isProcedure(error) && error != Error::BorrowMixed)
                    result.append(error);
            }
            return result;
        }();
        return list;
    }

} // namespace

QList<Error> keyProcedures(Error error)
{
    if (error == Error::BorrowMixed)
        return { Error::SmallerFromLarger, Error::BorrowNotTaken };
    return { error };
}

bool discriminates(Error error, int minuend, int subtrahend, int askedTerm)
{
    const int right = rightValue(minuend, subtrahend, askedTerm);
    const QList<Error> key = keyProcedures(error);
    QList<int> given;
    for (const Error procedure : key) {
        const ProcedureAnswers answers =
            procedureAnswers(procedure, minuend, subtrahend, askedTerm);
        if (answers.isEmpty() || answers.first() == right || given.contains(answers.first()))
            return false;
        given.append(answers.first());
    }
    for (const Error other : ownProcedures()) {
        if (key.contains(other))
            continue;
        const ProcedureAnswers answers = procedureAnswers(other, minuend, subtrahend, askedTerm);
        for (const int answer : std::as_const(given)) {
            if (answers.contains(answer))
                return false;
        }
    }
    return true;
}

} // namespace Analysis
