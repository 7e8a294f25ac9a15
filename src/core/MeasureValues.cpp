// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/MeasureValues.h"

#include <QCoreApplication>
#include <QSettings>
#include <algorithm>

namespace Measures {

namespace {

    // A yes/no key: "true"/"false" and 1/0 as a person writes them; anything else, the default.
    bool flag(const QSettings &settings, const QString &key)
    {
        const QString text = settings.value(key).toString().trimmed().toLower();
        return text == QLatin1String("true") || text == QLatin1String("1");
    }

} // namespace

PupilMeasures measuresOf(
    bool timeHidden, int exerciseSize, bool readAloud, bool largeContrast, bool aidOffered)
{
    return { timeHidden, std::clamp(exerciseSize, SmallestExerciseSize, FullExerciseSize),
        readAloud, largeContrast, aidOffered };
}

PupilMeasures measuresOfSettings(const QSettings &settings)
{
    const QString group = QStringLiteral("Misure/");
    bool isNumber = false;
    const int size = settings.value(group + QStringLiteral("OperazioniPerEsercizio"))
                         .toString()
                         .toInt(&isNumber);
    return measuresOf(flag(settings, group + QStringLiteral("TempoNascosto")),
        isNumber ? size : FullExerciseSize,
        flag(settings, group + QStringLiteral("LeggiAdAltaVoce")),
        flag(settings, group + QStringLiteral("CaratteriGrandi")),
        flag(settings, group + QStringLiteral("Aiuto")));
}

PupilMeasures measuresOfThisPc()
{
    const QSettings school(QSettings::SystemScope, QCoreApplication::applicationName());
    return measuresOfSettings(school);
}

} // namespace Measures
