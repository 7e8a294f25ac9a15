// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ProgressWords.h"

#include <cmath>

namespace Register {

namespace {

    // Wrong answers out of ten, rounded.
    int wrongInTen(const DayPoint &day)
    {
        return static_cast<int>(std::lround((100 - day.rightPercent) / 10.0));
    }

    // What the pupil can do now, in the pupil's words.
    QString nowYouCan(Analysis::Error label)
    {
        switch (label) {
        case Analysis::Error::SmallerFromLarger:
            return QStringLiteral("Ora sai fare le sottrazioni con il prestito!");
        case Analysis::Error::BorrowNotTaken:
            return QStringLiteral("Ora ti ricordi di togliere il prestito alle decine!");
        case Analysis::Error::BorrowMixed:
            return QStringLiteral("Ora sai fare il prestito senza sbagliare!");
        case Analysis::Error::AddsInstead:
            return QStringLiteral("Ora sai quando si toglie e quando si aggiunge!");
        case Analysis::Error::SubtractsInstead:
            return QStringLiteral("Ora sai trovare il numero da cui si parte!");
        case Analysis::Error::ForgetsCarry:
            return QStringLiteral("Ora ti ricordi il riporto!");
        case Analysis::Error::CopiesNumber:
            return QStringLiteral("Ora trovi il numero giusto senza ricopiarlo!");
        default:
            return QString();
        }
    }

} // namespace

QString celebration(const QList<Hypothesis::Found> &found)
{
    for (const Hypothesis::Found &one : found) {
        if (one.status.state == Hypothesis::State::Overcome)
            return nowYouCan(one.label);
    }
    return QString();
}

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
