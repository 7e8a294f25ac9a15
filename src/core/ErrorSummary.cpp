// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ErrorSummary.h"

#include "core/PupilName.h"

#include <QLocale>
#include <algorithm>
#include <array>

namespace Analysis {

namespace {

    bool isTwoDifferentDigits(int value)
    {
        return value >= 10 && value <= 99 && value / 10 != value % 10;
    }

    // Most frequent first; equal counts keep the order of the rules.
    void sortByCount(QList<ErrorTally> &tallies)
    {
        std::stable_sort(tallies.begin(), tallies.end(),
            [](const ErrorTally &a, const ErrorTally &b) { return a.count > b.count; });
    }

} // namespace

bool couldApply(Error error, const JudgedOperation &operation)
{
    const int minuend = operation.minuend;
    const int subtrahend = operation.subtrahend;
    const int asked = operation.askedTerm;
    switch (error) {
    case Error::None:
        return false;
    case Error::SmallerFromLarger:
    case Error::BorrowNotTaken:
    case Error::BorrowMixed:
        return asked == AskedDifference && hasUnitsBorrow(minuend, subtrahend);
    case Error::AddsInstead:
        return asked == AskedDifference || asked == AskedSubtrahend;
    case Error::SubtractsInstead:
        return asked == AskedMinuend;
    case Error::ForgetsCarry:
        return asked == AskedMinuend && (minuend - subtrahend) % 10 + subtrahend % 10 >= 10;
    case Error::CopiesNumber:
        return asked == AskedMinuend || asked == AskedSubtrahend;
    case Error::ReversedDigits:
        return isTwoDifferentDigits(rightValue(minuend, subtrahend, asked));
    case Error::OffByOne:
    case Error::OffByTen:
    case Error::Other:
        return true;
    }
    return false;
}

bool isRecurring(int count, int scopeWrong)
{
    return count >= 3 && 2 * count >= scopeWrong;
}

int medianSeconds(QList<int> seconds)
{
    if (seconds.isEmpty())
        return 0;
    std::sort(seconds.begin(), seconds.end());
    const qsizetype middle = seconds.size() / 2;
    if (seconds.size() % 2 == 1)
        return seconds[middle];
    return (seconds[middle - 1] + seconds[middle] + 1) / 2;
}

QList<JudgedOperation> judgedOperations(const SessionRecord &session)
{
    QList<JudgedOperation> result;
    const int last = std::clamp(session.OpCount, 0, SessionRecord::RecordSlots - 1);
    for (int index = 1; index <= last; ++index) {
        if (session.Judged[index].judged)
            result.append(session.Judged[index]);
    }
    return result;
}

Summary summarise(const QList<JudgedOperation> &operations)
{
    Summary summary;
    std::array<KindRow, KindCount> rows {};
    std::array<QList<int>, KindCount> seconds {};
    std::array<ErrorTally, ErrorCount> tallies {};
    for (const JudgedOperation &operation : operations) {
        const Judgement judgement = judge(operation);
        const auto kind = static_cast<std::size_t>(judgement.kind);
        ++rows[kind].operations;
        seconds[kind].append(operation.seconds);
        ++summary.operations;
        if (operation.right) {
            ++rows[kind].right;
            ++summary.right;
            continue;
        }
        ErrorTally &tally = tallies[static_cast<std::size_t>(judgement.error)];
        if (tally.count++ == 0)
            tally.example = operation;
    }

    for (int k = 0; k < KindCount; ++k) {
        KindRow &row = rows[k];
        if (row.operations == 0)
            continue;
        row.kind = static_cast<Kind>(k);
        row.percent = (row.right * 100 + row.operations / 2) / row.operations;
        row.medianSeconds = medianSeconds(seconds[k]);
        summary.rows.append(row);
    }

    for (int e = 0; e < ErrorCount; ++e) {
        ErrorTally &tally = tallies[e];
        tally.error = static_cast<Error>(e);
        if (tally.count == 0)
            continue;
        for (const JudgedOperation &operation : operations) {
            if (!couldApply(tally.error, operation))
                continue;
            ++tally.scopeOperations;
            if (!operation.right)
                ++tally.scopeWrong;
        }
        tally.recurring = isProcedure(tally.error) && isRecurring(tally.count, tally.scopeWrong);
        (tally.recurring ? summary.recurring : summary.isolated).append(tally);
    }
    sortByCount(summary.recurring);
    sortByCount(summary.isolated);
    return summary;
}

Summary summarise(const SessionRecord &session, const QString &date)
{
    Summary summary = summarise(judgedOperations(session));
    summary.pupil = PupilName::capitalised(session.PupilName, QLocale());
    summary.date = date;
    summary.mode = session.ModeCaption.trimmed();
    summary.rangeLow = session.RangeLow;
    summary.rangeHigh = session.RangeHigh;
    summary.reviewed = session.ReviewedOperations;
    summary.reviewedNowRight = session.ReviewedNowRight;
    summary.measures = session.PupilMeasures;
    return summary;
}

} // namespace Analysis
