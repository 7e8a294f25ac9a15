// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "progress/ProgressWords.h"

#include <cmath>

namespace Register {

namespace {

    // Wrong answers out of ten, rounded.
    int wrongInTen(const DayPoint &day)
    {
        return static_cast<int>(std::lround((100 - day.rightPercent) / 10.0));
    }

} // namespace

QString encouragement(const QList<DayPoint> &days, const QDate &today)
{
    if (days.size() < 2)
        return QStringLiteral("È il tuo primo giorno di allenamento: continua così!");
    const int fewer = wrongInTen(days.first()) - wrongInTen(days.last());
    if (fewer > 0)
        return fewer == 1
            ? QStringLiteral("Rispetto alla prima volta sbagli 1 operazione in meno su 10")
            : QStringLiteral("Rispetto alla prima volta sbagli %1 operazioni in meno su 10")
                  .arg(fewer);
    const long now = std::lround(days.last().medianSeconds);
    const long before = std::lround(days[days.size() - 2].medianSeconds);
    if (now < before)
        return QStringLiteral("%1 sei stato più veloce: %2 secondi invece di %3")
            .arg(days.last().day == today ? QStringLiteral("Oggi")
                                          : QStringLiteral("L'ultima volta"))
            .arg(now)
            .arg(before);
    return QStringLiteral("Ogni giorno di allenamento conta: continua così!");
}

DayPoint bestDay(const QList<DayPoint> &days)
{
    DayPoint best;
    for (const DayPoint &day : days) {
        if (!best.day.isValid() || day.rightPercent > best.rightPercent
            || (day.rightPercent == best.rightPercent && day.medianSeconds < best.medianSeconds))
            best = day;
    }
    return best;
}

} // namespace Register
