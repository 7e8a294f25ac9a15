// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

// Where the report puts each operation record and each exercise time, on screen and on
// paper, in twips. Record i (1 to 40) belongs to exercise (i - 1) / 10 + 1.
namespace ReportLayout {

constexpr int RecordCount = 40;
constexpr int ExerciseCount = 4;

// On screen: one column of ten cells per exercise.
QRect cellRect(int record);
// The caption of an exercise's total-time box for its stored time text (" 53" or empty).
QString timeBoxText(const QString &exerciseTimeText);

// On paper, from the top-left of the printable area; a position is the top of a line.
QString headerText();
QPoint headerPosition();
QPoint belowHeaderPosition();
// Exercises 1 and 2 side by side at the top, 3 and 4 side by side below them.
QPoint recordPosition(int record);
QPoint timeLinePosition(int exercise);
// Under the time lines: the pupil's measures, when any, in lines of at most MeasuresLineChars
// characters at 10 points, which stay inside the margin of an A4 or Letter page.
QPoint measuresLinePosition();
constexpr int MeasuresLineChars = 64;
QString timeLineText(int exercise, const QString &exerciseTimeText);

} // namespace ReportLayout
