// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilMeasures.h"

#include <QString>
#include <QStringList>

namespace Measures {

// The measures in force in one line, as the teacher's documentation needs them on the report,
// the certificate and the analysis: "Misure: tempo non mostrato, 20 operazioni, lettura ad alta
// voce". Empty for a pupil without measures, whose pages stay as they always were.
QString measuresLine(const PupilMeasures &measures);

// The same words broken after a comma into lines of at most maxChars characters (a single
// measure longer than that keeps its line), for paper, whose line cannot run past the margin.
QStringList measuresLines(const PupilMeasures &measures, int maxChars);

} // namespace Measures
