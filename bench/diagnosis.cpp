// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// How good the analysis's diagnosis is: simulated pupils play 1000 sessions per procedure, mode
// and range; prints, as Markdown, how often the analysis names each procedure as recurring.
//
//   vovo_diagnosis [SESSIONS]      (default 1000)
#include "DiagnosisSimulation.h"

#include "core/StartChoices.h"

#include <QString>
#include <QTextStream>

namespace {

using Analysis::Error;
namespace Sim = DiagnosisSimulation;

constexpr double ProcedureTarget = 90.0;
constexpr double CarefulTarget = 95.0;

QString percent(int part, int whole)
{
    return QString::number(100.0 * part / whole, 'f', 1);
}

QString modeName(int mode)
{
    static const char *const names[] = { "differenza", "minuendo o sottraendo", "a caso" };
    return QString::fromLatin1(names[mode]);
}

// Each cell of one pupil's row of the table over the ranges: the share named with the number
// of sessions it counts, and the lowest share of the row.
struct Row
{
    QStringList cells;
    double lowest = 100.0;
    bool any = false;
};

} // namespace

int main(int argc, char **argv)
{
    const int sessions = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    QTextStream out(stdout);
    const auto &modes = StartChoices::modes();
    QStringList header { QStringLiteral("Procedura"), QStringLiteral("Modo") };
    for (int level = 1; level <= StartChoices::RangeCount; ++level)
        header.append(QStringLiteral("Livello %1").arg(level));
    const QString headerLine = QStringLiteral("| ") + header.join(QStringLiteral(" | "))
        + QStringLiteral(" |\n|") + QStringLiteral("---|").repeated(header.size()) + '\n';

    out << "Sessions per cell: " << sessions << ", slips " << int(Sim::SlipRate * 100)
        << " %. Cell: share of the sessions where the procedure answered at least "
        << Sim::TouchedEnough << " operations in which the analysis named it as recurring "
        << "(those sessions in brackets); - where it never did.\n\n"
        << headerLine;
    std::uint64_t seed = 1;
    double worstProcedure = 100.0;
    QStringList wrongNames;
    for (const Error procedure : Sim::procedures()) {
        for (int mode = 0; mode < StartChoices::ModeCount; ++mode) {
            Row row;
            std::array<int, Analysis::ErrorCount> others {};
            int sessionsRun = 0;
            for (int level = 1; level <= StartChoices::RangeCount; ++level) {
                const Sim::Tally tally = Sim::run(procedure, level, modes[mode].askedTermLow,
                    modes[mode].askedTermHigh, sessions, seed);
                seed += std::uint64_t(sessions);
                sessionsRun += tally.sessions;
                for (int e = 0; e < Analysis::ErrorCount; ++e)
                    others[e] += e == int(procedure) ? 0 : tally.named[e];
                if (tally.touchedEnough == 0) {
                    row.cells.append(QStringLiteral("-"));
                    continue;
                }
                const double share = 100.0 * tally.namedWhenTouched / tally.touchedEnough;
                row.lowest = std::min(row.lowest, share);
                row.any = true;
                row.cells.append(QStringLiteral("%1 (%2)")
                                     .arg(percent(tally.namedWhenTouched, tally.touchedEnough))
                                     .arg(tally.touchedEnough));
            }
            if (!row.any)
                continue;
            worstProcedure = std::min(worstProcedure, row.lowest);
            out << "| " << Analysis::errorName(procedure) << " | " << modeName(mode) << " | "
                << row.cells.join(QStringLiteral(" | ")) << " |\n";
            for (int e = 0; e < Analysis::ErrorCount; ++e) {
                if (others[e] > 0)
                    wrongNames.append(QStringLiteral("- %1, %2: also \"%3\" in %4 of %5 sessions")
                                          .arg(Analysis::errorName(procedure), modeName(mode),
                                              Analysis::errorName(Error(e)))
                                          .arg(others[e])
                                          .arg(sessionsRun));
            }
        }
    }
    out << "\nOther procedures named for a procedure's pupil:\n\n"
        << (wrongNames.isEmpty() ? QStringLiteral("- none") : wrongNames.join('\n')) << "\n\n";

    out << "The careful pupil (slips only): share of the sessions with no recurring procedure.\n\n"
        << headerLine;
    double worstCareful = 100.0;
    QStringList carefulNames;
    for (int mode = 0; mode < StartChoices::ModeCount; ++mode) {
        QStringList cells;
        for (int level = 1; level <= StartChoices::RangeCount; ++level) {
            const Sim::Tally tally = Sim::run(Error::None, level, modes[mode].askedTermLow,
                modes[mode].askedTermHigh, sessions, seed);
            seed += std::uint64_t(sessions);
            worstCareful = std::min(worstCareful, 100.0 * tally.noProcedureNamed / tally.sessions);
            cells.append(percent(tally.noProcedureNamed, tally.sessions));
            for (int e = 0; e < Analysis::ErrorCount; ++e) {
                if (tally.named[e] > 0)
                    carefulNames.append(QStringLiteral("- %1, level %2: \"%3\" in %4 sessions")
                                            .arg(modeName(mode))
                                            .arg(level)
                                            .arg(Analysis::errorName(Error(e)))
                                            .arg(tally.named[e]));
            }
        }
        out << "| (attento) | " << modeName(mode) << " | " << cells.join(QStringLiteral(" | "))
            << " |\n";
    }
    out << "\nProcedures named for the careful pupil:\n\n"
        << (carefulNames.isEmpty() ? QStringLiteral("- none") : carefulNames.join('\n')) << "\n\n";
    const bool met = worstProcedure >= ProcedureTarget && worstCareful >= CarefulTarget;
    out << "Lowest share naming the applied procedure: " << QString::number(worstProcedure, 'f', 1)
        << " % (target " << ProcedureTarget << " %); lowest share of careful sessions without a "
        << "recurring procedure: " << QString::number(worstCareful, 'f', 1) << " % (target "
        << CarefulTarget << " %): " << (met ? "met" : "MISSED") << ".\n";
    return met ? 0 : 1;
}
