// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ReportWords.h"

#include "core/SessionRecord.h"

#include <QRegularExpression>

namespace ReportWords {

namespace {
    QString seconds(const QString &count)
    {
        return count
            + (count == QLatin1String("1") ? QStringLiteral(" secondo")
                                           : QStringLiteral(" secondi"));
    }

    QString term(const QString &shown)
    {
        return shown == QLatin1String("?") ? QStringLiteral("quanto") : shown;
    }
} // namespace

QString record(int index, const QString &line)
{
    // The question part, then, once judged, the answer in brackets, the mark and the time.
    static const QRegularExpression pattern(QStringLiteral(
        "^\\s*(\\d+|\\?) -\\s+(\\d+|\\?) =\\s+(\\d+|\\?)(?:\\s*\\((\\d*)\\)([ *])\\s*(\\d+) Tp)?"));
    const QRegularExpressionMatch parts = pattern.match(line);
    if (!parts.hasMatch())
        return line;
    const int perExercise = SessionRecord::OperationsPerExercise;
    QString words =
        QStringLiteral("Esercizio %1, operazione %2: %3 meno %4 uguale %5")
            .arg((index - 1) / perExercise + 1)
            .arg((index - 1) % perExercise + 1)
            .arg(term(parts.captured(1)), term(parts.captured(2)), term(parts.captured(3)));
    if (!parts.hasCaptured(6))
        return words + QLatin1Char('?');
    const QString answer = parts.captured(4);
    words += QStringLiteral("; %1, %2; %3")
                 .arg(answer.isEmpty() ? QStringLiteral("non hai scritto niente")
                                       : QStringLiteral("hai scritto ") + answer,
                     parts.captured(5) == QLatin1String("*") ? QStringLiteral("sbagliato")
                                                             : QStringLiteral("giusto"),
                     seconds(parts.captured(6)));
    return words;
}

QString timeBox(int exercise, const QString &exerciseTimeText)
{
    const QString time = exerciseTimeText.trimmed();
    return QStringLiteral("Esercizio %1, tempo totale: %2.")
        .arg(exercise)
        .arg(time.isEmpty() ? QStringLiteral("nessuno") : seconds(time));
}

} // namespace ReportWords
