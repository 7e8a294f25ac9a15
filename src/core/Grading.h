// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

struct SessionRecord;

// The certificate's mark: right answers out of the operations judged so far, on a scale of
// ten, and the grade word that goes with it.
namespace Grading {

// Operations whose answer has been judged. The exercise screen writes the question part of
// OpRecords(OpCount) when it shows an operation and appends the answer group, which ends in
// " Tp", when it judges the answer; so the newest operation counts only once its record is
// complete, and an operation still waiting for its answer is not taken as a wrong one.
int judgedOperations(const SessionRecord &session);

// floor(right x 10 / judged) in whole numbers; 0 when nothing has been judged yet.
int grade(int right, int judged);

// "OTTIMO" for 10 and 9, "DISTINTO" 8, "BUONO" 7, "SUFFICIENTE" 6, "SUFFICIENTE (!)" 5,
// "Non classificato" for any other mark.
QString gradeText(int grade);

// A certificate without a grade cannot be printed.
bool isPrintable(const QString &gradeText);

} // namespace Grading
