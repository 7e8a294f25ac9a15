// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// The accommodations a pupil's personal plan asks for, as the teacher set them for the pupil
// (or, with the register off, for every pupil of the PC). A pupil without measures gets the
// default value: every screen and printout exactly as for any other pupil.
namespace Measures {

constexpr int FullExerciseSize = 10;
constexpr int SmallestExerciseSize = 5;

struct PupilMeasures
{
    bool timeHidden = false; // times kept for the teacher, never shown or spoken to the pupil
    int exerciseSize = FullExerciseSize; // operations per exercise, 5..10; four exercises
    bool readAloud = false; // the program reads the operation and its words aloud
    bool largeContrast = false; // the exercise screen larger and in high contrast
    bool aidOffered = false; // the number line on request, offered first after a wrong answer

    bool any() const
    {
        return timeHidden || exerciseSize != FullExerciseSize || readAloud || largeContrast
            || aidOffered;
    }
    bool operator==(const PupilMeasures &) const = default;
};

} // namespace Measures
