// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PlainWords.h"

#include <QRegularExpression>

namespace PlainWords {

namespace {
    // One letter, then at least two more, each after a single blank.
    const QRegularExpression &spacedWord()
    {
        static const QRegularExpression pattern(
            QStringLiteral("(?<!\\S)\\p{L}(?: \\p{L}){2,}(?!\\S)"));
        return pattern;
    }
} // namespace

bool isLetterSpaced(const QString &caption)
{
    return spacedWord().match(caption).hasMatch();
}

QString of(const QString &caption)
{
    if (!isLetterSpaced(caption))
        return caption;
    // Each spread word is closed up; the wider gaps between words become one blank.
    QString closedUp;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &word : spacedWord().globalMatch(caption)) {
        closedUp += caption.mid(from, word.capturedStart() - from);
        closedUp += word.captured().remove(QLatin1Char(' '));
        from = word.capturedEnd();
    }
    closedUp += caption.mid(from);
    const QString words = closedUp.simplified().toLower();
    return words.left(1).toUpper() + words.mid(1);
}

} // namespace PlainWords
