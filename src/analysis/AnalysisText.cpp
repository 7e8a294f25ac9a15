// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "analysis/AnalysisText.h"

#include <algorithm>

namespace AnalysisText {

namespace {

    using Analysis::Error;

    const QString Minus = QStringLiteral(" \u2212 ");
    constexpr QChar NoBreakSpace(0x00A0);

    QString times(int count)
    {
        return count == 1 ? QStringLiteral("1 volta") : QStringLiteral("%1 volte").arg(count);
    }

    // What the operations counted in a recurring sentence have in common.
    QString scopePhrase(Error error)
    {
        switch (error) {
        case Error::SmallerFromLarger:
        case Error::BorrowNotTaken:
        case Error::BorrowMixed:
            return QStringLiteral("sottrazioni con il prestito");
        case Error::AddsInstead:
            return QStringLiteral("sottrazioni in cui cerca il resto o il sottraendo");
        case Error::SubtractsInstead:
            return QStringLiteral("sottrazioni in cui cerca il minuendo");
        case Error::ForgetsCarry:
            return QStringLiteral("sottrazioni in cui cerca il minuendo con il riporto");
        case Error::CopiesNumber:
            return QStringLiteral("sottrazioni in cui cerca il minuendo o il sottraendo");
        case Error::ReversedDigits:
            return QStringLiteral("sottrazioni con il risultato di due cifre diverse");
        default:
            return QStringLiteral("sottrazioni");
        }
    }

} // namespace

QString title()
{
    return QStringLiteral("ANALISI DEGLI ERRORI");
}

QStringList headingLines(const Analysis::Summary &summary)
{
    const QString name =
        summary.pupil.isEmpty() ? QStringLiteral("Alunno senza nome") : summary.pupil;
    QString choice = summary.mode;
    if (summary.rangeHigh > 0) {
        if (!choice.isEmpty())
            choice += QStringLiteral(", ");
        choice += QStringLiteral("numeri da %1 a %2").arg(summary.rangeLow).arg(summary.rangeHigh);
    }
    const QString operations = summary.operations == 1
        ? QStringLiteral("1 operazione")
        : QStringLiteral("%1 operazioni").arg(summary.operations);
    const QString right = summary.right == 1 ? QStringLiteral("1 esatta")
                                             : QStringLiteral("%1 esatte").arg(summary.right);
    return { name + QStringLiteral(", ") + summary.date, choice,
        operations + QStringLiteral(", ") + right };
}

QString kindName(Analysis::Kind kind)
{
    switch (kind) {
    case Analysis::Kind::WithinTen:
        return QStringLiteral("Entro il 10");
    case Analysis::Kind::WithoutBorrow:
        return QStringLiteral("Senza prestito");
    case Analysis::Kind::WithBorrow:
        return QStringLiteral("Con prestito");
    }
    return QString();
}

QStringList tableHeader()
{
    return { QStringLiteral("Tipo di sottrazione"), QStringLiteral("Operazioni"),
        QStringLiteral("Esatte"), QStringLiteral("Percentuale"),
        QStringLiteral("Secondi (mediana)") };
}

QStringList rowCells(const Analysis::KindRow &row, bool timeHidden)
{
    return { kindName(row.kind), QString::number(row.operations), QString::number(row.right),
        QStringLiteral("%1%").arg(row.percent),
        timeHidden ? QString() : QString::number(row.medianSeconds) };
}

QString errorsHeading()
{
    return QStringLiteral("Come sbaglia");
}

QString operationText(const JudgedOperation &operation)
{
    const QString minuend = QString::number(operation.minuend);
    const QString subtrahend = QString::number(operation.subtrahend);
    const QString difference = QString::number(operation.minuend - operation.subtrahend);
    const QString hidden = QStringLiteral("?");
    switch (operation.askedTerm) {
    case Analysis::AskedMinuend:
        return hidden + Minus + subtrahend + QStringLiteral(" = ") + difference;
    case Analysis::AskedSubtrahend:
        return minuend + Minus + hidden + QStringLiteral(" = ") + difference;
    default:
        return minuend + Minus + subtrahend;
    }
}

QString recurringSentence(const Analysis::ErrorTally &tally)
{
    return QStringLiteral("%1: %2 su %3 %4 (%5: ha scritto %6)")
        .arg(Analysis::errorName(tally.error), times(tally.count))
        .arg(tally.scopeOperations)
        .arg(scopePhrase(tally.error), operationText(tally.example), tally.example.answer);
}

QString isolatedLine(const QList<Analysis::ErrorTally> &isolated)
{
    if (isolated.isEmpty())
        return QString();
    QStringList parts;
    for (const Analysis::ErrorTally &tally : isolated)
        parts.append(
            QStringLiteral("%1 (%2)").arg(Analysis::errorName(tally.error), times(tally.count)));
    return QStringLiteral("Errori isolati: ") + parts.join(QStringLiteral(", "));
}

QString reviewLine(int reviewed, int nowRight)
{
    const QString practised = reviewed == 1
        ? QStringLiteral("1 operazione ripassata")
        : QStringLiteral("%1 operazioni ripassate").arg(reviewed);
    const QString right = nowRight == 1 ? QStringLiteral("1 ora corretta")
                                        : QStringLiteral("%1 ora corrette").arg(nowRight);
    return QStringLiteral("Ripasso: ") + practised + QStringLiteral(", ") + right;
}

QStringList errorLines(const Analysis::Summary &summary, const QStringList &notes)
{
    if (summary.operations == 0)
        return { QStringLiteral("Nessuna operazione eseguita") };
    if (summary.right == summary.operations)
        return { QStringLiteral("Nessun errore: complimenti!") };
    QStringList lines;
    for (const Analysis::ErrorTally &tally : summary.recurring) {
        const QString note = notes.value(lines.size());
        lines.append(
            recurringSentence(tally) + (note.isEmpty() ? QString() : QStringLiteral(" — ") + note));
    }
    if (!summary.isolated.isEmpty())
        lines.append(isolatedLine(summary.isolated));
    if (summary.reviewed > 0)
        lines.append(reviewLine(summary.reviewed, summary.reviewedNowRight));
    return lines;
}

QString withWholeBrackets(const QString &sentence)
{
    QString result = sentence;
    int depth = 0;
    for (QChar &c : result) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            depth = std::max(0, depth - 1);
        else if (c == QLatin1Char(' ') && depth > 0)
            c = NoBreakSpace;
    }
    return result;
}

QStringList wrapped(const QString &text, int width)
{
    // An operation ("53 − 17 = 36") stays whole: its signs hold their neighbours together; an
    // example in brackets is one word until the line is made.
    QStringList words;
    bool joinNext = false;
    for (const QString &word :
        withWholeBrackets(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool isSign = word == QStringLiteral("\u2212") || word == QStringLiteral("=");
        if (!words.isEmpty() && (joinNext || isSign))
            words.last() += QLatin1Char(' ') + word;
        else
            words.append(word);
        joinNext = isSign;
    }
    QStringList lines;
    QString line;
    for (const QString &word : std::as_const(words)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines.append(line);
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines.append(line);
    for (QString &made : lines)
        made.replace(NoBreakSpace, QLatin1Char(' '));
    return lines;
}

} // namespace AnalysisText
