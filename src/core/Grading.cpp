// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/Grading.h"

#include "core/SessionFlow.h"
#include "core/SessionRecord.h"

namespace Grading {

namespace {
    const QString NotGraded = QStringLiteral("Non classificato");
} // namespace

int judgedOperations(const SessionRecord &session)
{
    const int newest = session.OpCount;
    if (newest <= 0)
        return 0;
    const bool newestJudged = newest < SessionRecord::RecordSlots
        && session.OpRecords[newest].endsWith(QStringLiteral(" Tp"));
    const int asked = Exercise::operationsUpTo(session, newest);
    return newestJudged ? asked : asked - 1;
}

int grade(int right, int judged)
{
    if (judged <= 0 || right <= 0)
        return 0;
    return right * 10 / judged;
}

QString gradeText(int grade)
{
    switch (grade) {
    case 10:
    case 9:
        return QStringLiteral("OTTIMO");
    case 8:
        return QStringLiteral("DISTINTO");
    case 7:
        return QStringLiteral("BUONO");
    case 6:
        return QStringLiteral("SUFFICIENTE");
    case 5:
        return QStringLiteral("SUFFICIENTE (!)");
    default:
        return NotGraded;
    }
}

bool isPrintable(const QString &gradeText)
{
    return gradeText != NotGraded;
}

} // namespace Grading
