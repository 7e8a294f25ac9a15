// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <array>

class FaceMark;
class QGroupBox;
class QLabel;
class QWidget;

// The two panels under the exercise screen's operation, built in the screen's area at their
// places: the faces of the verdicts and the counters with the times.
namespace ExercisePanels {

// "VALUTAZIONE": a smiling face for each right answer of the exercise (1..10) and a sad one for
// each wrong answer (11..20), all hidden at first; index 0 unused.
struct MarksPanel
{
    QGroupBox *box = nullptr;
    std::array<FaceMark *, 21> faces {};
};
MarksPanel buildMarks(QWidget *area);

// "ELABORAZIONE": the exercise and operation numbers, the answer's and the exercise's seconds.
struct ProgressPanel
{
    QGroupBox *box = nullptr;
    QLabel *exercise = nullptr;
    QLabel *operation = nullptr;
    QLabel *partialTime = nullptr;
    QLabel *exerciseTime = nullptr;
};
ProgressPanel buildProgress(QWidget *area);

} // namespace ExercisePanels
