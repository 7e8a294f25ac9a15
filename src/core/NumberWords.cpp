// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/NumberWords.h"

#include <QRegularExpression>
#include <QStringList>

namespace NumberWords {

namespace {
    const QStringList Units { QStringLiteral("zero"), QStringLiteral("uno"), QStringLiteral("due"),
        QStringLiteral("tre"), QStringLiteral("quattro"), QStringLiteral("cinque"),
        QStringLiteral("sei"), QStringLiteral("sette"), QStringLiteral("otto"),
        QStringLiteral("nove"), QStringLiteral("dieci"), QStringLiteral("undici"),
        QStringLiteral("dodici"), QStringLiteral("tredici"), QStringLiteral("quattordici"),
        QStringLiteral("quindici"), QStringLiteral("sedici"), QStringLiteral("diciassette"),
        QStringLiteral("diciotto"), QStringLiteral("diciannove") };
    const QStringList Tens { QString(), QString(), QStringLiteral("venti"),
        QStringLiteral("trenta"), QStringLiteral("quaranta"), QStringLiteral("cinquanta"),
        QStringLiteral("sessanta"), QStringLiteral("settanta"), QStringLiteral("ottanta"),
        QStringLiteral("novanta") };
} // namespace

QString italian(int value)
{
    if (value < 0 || value > 100)
        return QString::number(value);
    if (value == 100)
        return QStringLiteral("cento");
    if (value < 20)
        return Units[value];
    const int units = value % 10;
    QString tens = Tens[value / 10];
    if (units == 0)
        return tens;
    // The tens lose their last vowel before "uno" and "otto"; "tre" at the end takes its accent.
    if (units == 1 || units == 8)
        tens.chop(1);
    return tens + (units == 3 ? QStringLiteral("tré") : Units[units]);
}

QString numbersInWords(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QString result;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : number.globalMatch(text)) {
        result += text.mid(from, match.capturedStart() - from);
        result += italian(match.captured().toInt());
        from = match.capturedEnd();
    }
    return result + text.mid(from);
}

} // namespace NumberWords
