// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// Today's practice on simulated pupils: each kind of pupil takes courses of ten school days with
// the plan; prints, as Markdown, what the plan did, and exits with 1 when a target is missed.
//
//   vovo_practice [COURSES]      (courses per kind of pupil, default 20)
#include "PracticeSimulation.h"

#include "DiagnosisSimulation.h"

#include <QString>
#include <QTextStream>

namespace {

namespace Sim = PracticeSimulation;
using Practice::Family;

constexpr int MissedAgainTarget = 95; // per cent of the misses, over every course

QString percent(int part, int whole)
{
    return whole == 0 ? QStringLiteral("-")
                      : QStringLiteral("%1 % (%2)").arg(100.0 * part / whole, 0, 'f', 1).arg(whole);
}

// " (42 %)" after a count of plans; nothing when there are none.
QString lowest(int plans, int percent)
{
    return plans ? QStringLiteral(" (%1 %)").arg(percent) : QString();
}

QList<Sim::Pupil> pupils()
{
    using Practice::Assignment;
    const Assignment bridging { { Family::BridgingTen, Family::NoBorrow }, 2 };
    const Assignment borrow { { Family::NoBorrow, Family::WithBorrow }, 4 };
    QList<Sim::Pupil> list {
        { QStringLiteral("Nessuna difficoltà, nuovo"), {}, {}, 0.03, 4, 0, 1, {} },
        { QStringLiteral("Nessuna difficoltà, dopo una sessione al livello 2"), {}, {}, 0.03, 4, 2,
            1, {} },
        { QStringLiteral("Tutto giusto e veloce, nuovo"), {}, {}, 0.0, 3, 0, 1, {} },
        { QStringLiteral("Tutto giusto e veloce, nuovo, assegnate: Passare la decina, Senza "
                         "prestito (livello 2)"),
            {}, {}, 0.0, 3, 0, 1, bridging },
        { QStringLiteral("Debole in Entro il 10, nuovo"), {}, Family::WithinTen, 0.03, 4, 0, 1,
            {} },
        { QStringLiteral("Debole in Passare la decina, assegnata con Senza prestito (livello 2)"),
            {}, Family::BridgingTen, 0.03, 4, 2, 1, bridging },
        { QStringLiteral("Debole in Con il prestito, assegnata con Senza prestito (livello 4)"), {},
            Family::WithBorrow, 0.03, 4, 4, 1, borrow },
    };
    for (const Analysis::Error procedure : DiagnosisSimulation::procedures()) {
        list.append({ Analysis::errorName(procedure)
                + QStringLiteral(", dopo una sessione al "
                                 "livello 6, modo a caso"),
            procedure, {}, 0.03, 4, 6, 3, {} });
    }
    return list;
}

} // namespace

int main(int argc, char **argv)
{
    const int courses = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20;
    QTextStream out(stdout);
    out << "Courses of " << Sim::CourseDays << " school days per kind of pupil: " << courses
        << ". Plans: " << Practice::PlanSize << " operations, at most " << Practice::HardCap
        << " hard.\n\n"
        << "| Alunno | Errori chiesti di nuovo entro 3 giorni | Piani con ≥ 50 % da imparare "
           "(quota minima) | Fuori portata (quota minima) | Piani con ≤ 1/3 difficili (al "
           "più) | Con meno di "
        << Practice::PlanSize - Practice::HardCap
        << " note (difficili al più) | Famiglie imparate entro il giorno dopo | Imparate dopo "
           "un solo giorno | Giorni con le operazioni che distinguono l'errore | Errore superato "
           "(giorno medio) |\n|"
        << QStringLiteral("---|").repeated(10) << '\n';
    Sim::Figures total;
    bool missedTarget = false;
    std::uint64_t seed = 1;
    for (const Sim::Pupil &pupil : pupils()) {
        Sim::Figures row;
        for (int index = 0; index < courses; ++index)
            row.add(Sim::course(pupil, seed++));
        total.add(row);
        const bool everyPlan = row.plansOnWhatIsNotLearned == row.plans
            && row.plansWithinHardCap == row.plansKnowingEnough;
        const bool fluent =
            row.learnedByNextDay == row.familiesInPlay && row.learnedAfterOneDay == 0;
        const bool telling = row.daysWithTelling == row.openProcedureDays;
        missedTarget = missedTarget || !everyPlan || !fluent || !telling;
        out << "| " << pupil.label << " | " << percent(row.missedAskedAgain, row.missed) << " | "
            << percent(row.plansOnWhatIsNotLearned, row.plans)
            << lowest(row.plans, row.lowestSharePercent) << " | " << row.plansOutOfReach
            << lowest(row.plansOutOfReach, row.outOfReachLowestShare) << " | "
            << percent(row.plansWithinHardCap, row.plansKnowingEnough) << " (" << row.mostHard
            << ") | " << row.plansKnowingTooFew << " (" << row.tooFewMostHard << ") | "
            << percent(row.learnedByNextDay, row.familiesInPlay) << " | "
            << (row.learned
                       ? QStringLiteral("%1 di %2").arg(row.learnedAfterOneDay).arg(row.learned)
                       : QStringLiteral("-"))
            << " | " << percent(row.daysWithTelling, row.openProcedureDays) << " | "
            << (pupil.procedure == Analysis::Error::None
                       ? QStringLiteral("-")
                       : QStringLiteral("%1/%2 (%3)")
                             .arg(row.overcome)
                             .arg(row.courses)
                             .arg(row.overcome ? double(row.overcomeDaySum) / row.overcome : 0.0, 0,
                                 'f', 1))
            << " |\n";
    }
    const bool missesBack = 100 * total.missedAskedAgain >= MissedAgainTarget * total.missed;
    out << "\nMissed operations asked again within the next three practice days: "
        << percent(total.missedAskedAgain, total.missed) << " (target " << MissedAgainTarget
        << " %).\n"
        << (missedTarget || !missesBack ? "TARGET MISSED\n" : "Every target met.\n");
    return missedTarget || !missesBack ? 1 : 0;
}
