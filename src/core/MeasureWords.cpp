// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/MeasureWords.h"

#include <QStringList>

namespace Measures {

namespace {
    constexpr int ExercisesPerSession = 4;
}

QString measuresLine(const PupilMeasures &measures)
{
    QStringList parts;
    if (measures.timeHidden)
        parts << QStringLiteral("tempo non mostrato");
    if (measures.exerciseSize != FullExerciseSize)
        parts << QStringLiteral("%1 operazioni").arg(ExercisesPerSession * measures.exerciseSize);
    if (measures.readAloud)
        parts << QStringLiteral("lettura ad alta voce");
    if (measures.largeContrast)
        parts << QStringLiteral("caratteri grandi e alto contrasto");
    if (measures.aidOffered)
        parts << QStringLiteral("aiuto con la linea dei numeri");
    return parts.isEmpty() ? QString()
                           : QStringLiteral("Misure: ") + parts.join(QStringLiteral(", "));
}

} // namespace Measures
