// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilMeasures.h"

class QSettings;

// The measures as a register row or a settings file gives them: whatever was stored (by hand,
// or by a newer program), the exercise screen gets a size it can count on.
namespace Measures {

// An exercise size outside 5..10 is brought to the nearer end.
PupilMeasures measuresOf(
    bool timeHidden, int exerciseSize, bool readAloud, bool largeContrast, bool aidOffered);

// The measures of the group "Misure" of the program's system-wide settings, for every pupil of
// the PC when the register is off; a key missing or not understood leaves its default.
PupilMeasures measuresOfSettings(const QSettings &settings);

// The same, read from the program's system-wide settings file.
PupilMeasures measuresOfThisPc();

} // namespace Measures
