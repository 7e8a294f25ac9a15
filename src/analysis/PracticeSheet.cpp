// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "analysis/PracticeSheet.h"

#include "core/OperationGenerator.h"
#include "core/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace PracticeSheet {

using Analysis::Error;
using Analysis::Kind;

namespace {

    constexpr int FirstTerm = Analysis::AskedDifference;
    constexpr int LastTerm = Analysis::AskedSubtrahend;

    // Every operation the range's rule can draw, with each hidden term from low to high,
    // that passes the test.
    QList<Item> operations(
        const Choice &choice, int low, int high, const std::function<bool(const Item &)> &test)
    {
        QList<Item> found;
        for (const Exercise::DrawnPair &pair : Exercise::drawablePairs(choice.rangeLevel)) {
            for (int term = low; term <= high; ++term) {
                const Item item { pair.minuend, pair.subtrahend, term, false };
                if (test(item))
                    found.append(item);
            }
        }
        return found;
    }

    // The operations of the session's hidden terms that pass, or of any hidden term when
    // there are none.
    QList<Item> preferred(const Choice &choice, const std::function<bool(const Item &)> &test)
    {
        const QList<Item> own = operations(choice, choice.askedLow, choice.askedHigh, test);
        return own.isEmpty() ? operations(choice, FirstTerm, LastTerm, test) : own;
    }

    void shuffle(QList<Item> &items, RandomSource &random)
    {
        for (qsizetype i = items.size() - 1; i > 0; --i) {
            const auto j = static_cast<qsizetype>(std::floor(random.next() * double(i + 1)));
            std::swap(items[i], items[j]);
        }
    }

    // `count` items from the shuffled pool, taking some twice only when it is too small.
    QList<Item> take(const QList<Item> &pool, int count, bool practice)
    {
        QList<Item> taken;
        for (int i = 0; i < count && !pool.isEmpty(); ++i) {
            Item item = pool[i % pool.size()];
            item.practice = practice;
            taken.append(item);
        }
        return taken;
    }

    Sheet assemble(QList<Item> practice, QList<Item> contrast, std::uint64_t seed)
    {
        MixingRandomSource random(seed);
        shuffle(practice, random);
        shuffle(contrast, random);
        Sheet sheet;
        sheet.example =
            practice.size() > PracticeCount ? practice[PracticeCount] : practice.value(0);
        sheet.items = take(practice, PracticeCount, true) + take(contrast, ContrastCount, false);
        shuffle(sheet.items, random);
        return sheet;
    }

    // The procedure gives no wrong answer here: nothing to tell apart.
    bool leavesRight(Error error, const Item &item)
    {
        const int right = Analysis::rightValue(item.minuend, item.subtrahend, item.askedTerm);
        for (const Error procedure : keyProcedures(error)) {
            const Analysis::ProcedureAnswers answers = Analysis::procedureAnswers(
                procedure, item.minuend, item.subtrahend, item.askedTerm);
            for (int i = 0; i < answers.count; ++i) {
                if (answers.values[i] != right)
                    return false;
            }
        }
        return true;
    }

    QString lowerFirst(QString text)
    {
        if (!text.isEmpty())
            text[0] = text[0].toLower();
        return text;
    }

    bool canDraw(Kind kind, const Choice &choice)
    {
        return !preferred(choice, [kind](const Item &item) {
            return Analysis::kindOf(item.minuend, item.subtrahend) == kind;
        }).isEmpty();
    }

} // namespace

Sheet forProcedure(Error error, const Choice &choice)
{
    const QList<Item> practice = preferred(choice, [error](const Item &item) {
        return discriminates(error, item.minuend, item.subtrahend, item.askedTerm);
    });
    if (practice.isEmpty())
        return Sheet {};
    // Where the procedure leaves the right answer, without a ten to change if possible.
    QList<Item> contrast = preferred(choice, [error](const Item &item) {
        return leavesRight(error, item) && !Analysis::hasUnitsBorrow(item.minuend, item.subtrahend);
    });
    if (contrast.isEmpty())
        contrast =
            preferred(choice, [error](const Item &item) { return leavesRight(error, item); });
    Sheet sheet = assemble(practice, contrast, choice.seed);
    sheet.error = error;
    return sheet;
}

Sheet forKind(Kind kind, const Choice &choice)
{
    const auto ofKind = [kind](const Item &item) {
        return Analysis::kindOf(item.minuend, item.subtrahend) == kind;
    };
    const QList<Item> practice = preferred(choice, ofKind);
    // A range that draws only this kind compares it with itself.
    const QList<Item> contrast =
        preferred(choice, [&ofKind](const Item &item) { return !ofKind(item); });
    Sheet sheet = assemble(practice, contrast.isEmpty() ? practice : contrast, choice.seed);
    sheet.kind = kind;
    return sheet;
}

Sheet choose(const Analysis::Summary &summary, const Choice &choice)
{
    if (!summary.recurring.isEmpty()) {
        Sheet sheet = forProcedure(summary.recurring.first().error, choice);
        if (!sheet.items.isEmpty())
            return sheet;
    }
    // The harder kind first, so that it wins a tie.
    std::optional<Kind> weakest;
    int lowest = 101;
    for (auto row = summary.rows.crbegin(); row != summary.rows.crend(); ++row) {
        if (row->percent < lowest && canDraw(row->kind, choice)) {
            lowest = row->percent;
            weakest = row->kind;
        }
    }
    for (const Kind kind : { Kind::WithBorrow, Kind::WithoutBorrow, Kind::WithinTen }) {
        if (!weakest && canDraw(kind, choice))
            weakest = kind;
    }
    return forKind(weakest.value_or(Kind::WithinTen), choice);
}

std::uint64_t sessionSeed(const QString &pupil, const QList<JudgedOperation> &operations)
{
    // FNV-1a: the same on every run, unlike Qt's hashes.
    std::uint64_t hash = 0xcbf29ce484222325ull;
    const auto mix = [&hash](std::uint64_t value) {
        hash ^= value;
        hash *= 0x100000001b3ull;
    };
    for (const QChar c : pupil)
        mix(c.unicode());
    for (const JudgedOperation &operation : operations) {
        mix(std::uint64_t(operation.minuend));
        mix(std::uint64_t(operation.subtrahend));
        mix(std::uint64_t(operation.askedTerm));
        for (const QChar c : operation.answer)
            mix(c.unicode());
    }
    return hash;
}

QString title()
{
    return QStringLiteral("SCHEDA DI ESERCIZI");
}

QString errorSentence(const Sheet &sheet)
{
    switch (sheet.error) {
    case Error::SmallerFromLarger:
        return QStringLiteral("Quando le unità di sopra sono meno di quelle di sotto, non togliere "
                              "la cifra più piccola dalla più grande: cambia una decina in 10 "
                              "unità.");
    case Error::BorrowNotTaken:
        return QStringLiteral("Quando cambi una decina in 10 unità, alle decine ne resta una in "
                              "meno.");
    case Error::BorrowMixed:
        return QStringLiteral("Quando le unità di sopra sono meno di quelle di sotto, cambia una "
                              "decina in 10 unità: alle decine ne resta una in meno.");
    case Error::AddsInstead:
        return QStringLiteral("Il resto e il sottraendo si trovano togliendo, non addizionando.");
    case Error::SubtractsInstead:
        return QStringLiteral("Il minuendo che manca si trova addizionando la differenza e il "
                              "sottraendo.");
    case Error::ForgetsCarry:
        return QStringLiteral("Quando le unità insieme fanno 10 o più, porta 1 decina alle "
                              "decine.");
    case Error::CopiesNumber:
        return QStringLiteral("Il numero che manca si calcola: non si copia uno dei numeri che "
                              "vedi.");
    case Error::ReversedDigits:
        return QStringLiteral("Scrivi prima la cifra delle decine, poi quella delle unità.");
    default:
        break;
    }
    switch (sheet.kind) {
    case Kind::WithinTen:
        return QStringLiteral("Ti alleni con le sottrazioni entro il 10.");
    case Kind::WithoutBorrow:
        return QStringLiteral("Ti alleni con le sottrazioni senza prestito.");
    case Kind::WithBorrow:
        break;
    }
    return QStringLiteral("Ti alleni con le sottrazioni con il prestito.");
}

QString question(const Item &item)
{
    const QString minus = QStringLiteral(" \u2212 ");
    const QString m = QString::number(item.minuend);
    const QString s = QString::number(item.subtrahend);
    const QString d = QString::number(item.minuend - item.subtrahend);
    switch (item.askedTerm) {
    case Analysis::AskedMinuend:
        return QStringLiteral("?") + minus + s + QStringLiteral(" = ") + d;
    case Analysis::AskedSubtrahend:
        return m + minus + QStringLiteral("? = ") + d;
    default:
        return m + minus + s + QStringLiteral(" = ?");
    }
}

QString keyLine(const Sheet &sheet, const Item &item)
{
    QString line = question(item) + QStringLiteral("  risposta ")
        + QString::number(Analysis::rightValue(item.minuend, item.subtrahend, item.askedTerm));
    if (!item.practice || sheet.error == Error::None)
        return line;
    for (const Error procedure : keyProcedures(sheet.error)) {
        const Analysis::ProcedureAnswers answers =
            Analysis::procedureAnswers(procedure, item.minuend, item.subtrahend, item.askedTerm);
        line += QStringLiteral("; se scrive %1: %2")
                    .arg(answers.first())
                    .arg(lowerFirst(Analysis::errorName(procedure)));
    }
    return line;
}

QString keyNote(const Sheet &sheet)
{
    if (sheet.error == Error::None)
        return QStringLiteral("Otto operazioni sono del tipo che l'alunno ha sbagliato di più; "
                              "le altre quattro sono di un altro tipo, per confronto.");
    return QStringLiteral("Nelle otto operazioni con \"se scrive\" l'errore dà un risultato "
                          "sbagliato, diverso da quello di ogni altro errore: la risposta "
                          "dell'alunno dice se lo segue ancora. Nelle altre quattro l'errore non "
                          "cambia il risultato: l'alunno deve decidere da solo come fare.");
}

} // namespace PracticeSheet
