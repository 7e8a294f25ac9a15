// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/MeasureWords.h"

#include <QStringList>

namespace Measures {

namespace {
    constexpr int ExercisesPerSession = 4;

    QStringList measureWords(const PupilMeasures &measures)
    {
        QStringList parts;
        if (measures.timeHidden)
            parts << QStringLiteral("tempo non mostrato");
        if (measures.exerciseSize != FullExerciseSize)
            parts
                << QStringLiteral("%1 operazioni").arg(ExercisesPerSession * measures.exerciseSize);
        if (measures.readAloud)
            parts << QStringLiteral("lettura ad alta voce");
        if (measures.largeContrast)
            parts << QStringLiteral("caratteri grandi e alto contrasto");
        if (measures.aidOffered)
            parts << QStringLiteral("aiuto con la linea dei numeri");
        return parts;
    }
}

QString measuresLine(const PupilMeasures &measures)
{
    const QStringList parts = measureWords(measures);
    return parts.isEmpty() ? QString()
                           : QStringLiteral("Misure: ") + parts.join(QStringLiteral(", "));
}

QStringList measuresLines(const PupilMeasures &measures, int maxChars)
{
    QStringList lines;
    QString line = QStringLiteral("Misure:");
    const QStringList parts = measureWords(measures);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString word = parts.at(i) + (i + 1 < parts.size() ? QStringLiteral(",") : QString());
        if (line.size() + 1 + word.size() > maxChars && !line.endsWith(QLatin1Char(':'))) {
            lines << line;
            line = word;
        } else {
            line += QLatin1Char(' ') + word;
        }
    }
    if (!parts.isEmpty())
        lines << line;
    return lines;
}

} // namespace Measures
