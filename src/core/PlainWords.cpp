// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PlainWords.h"

#include <QList>

namespace PlainWords {

namespace {
    struct Span
    {
        qsizetype from = 0;
        qsizetype to = 0; // one past the last letter
    };

    // Each spread word, from left to right: a letter standing at the caption's start or after
    // a blank, then at least two more letters each after a single blank, the last one followed
    // by a blank or the end. Read by hand rather than by a regular expression, as every caption
    // of the start screen passes here before its first paint.
    QList<Span> spreadWords(const QString &caption)
    {
        QList<Span> words;
        const qsizetype size = caption.size();
        auto endsWord = [&](qsizetype at) { return at == size || caption[at].isSpace(); };
        for (qsizetype at = 0; at < size; ++at) {
            if (!caption[at].isLetter() || (at > 0 && !caption[at - 1].isSpace()))
                continue;
            qsizetype last = at;
            int more = 0;
            while (last + 2 < size && caption[last + 1] == u' ' && caption[last + 2].isLetter()) {
                last += 2;
                ++more;
            }
            // A run ending inside a longer word ("a b c de") keeps its letters before that word.
            if (!endsWord(last + 1)) {
                last -= 2;
                --more;
            }
            if (more >= 2) {
                words.append({ at, last + 1 });
                at = last;
            }
        }
        return words;
    }
} // namespace

bool isLetterSpaced(const QString &caption)
{
    return !spreadWords(caption).isEmpty();
}

QString of(const QString &caption)
{
    const QList<Span> spread = spreadWords(caption);
    if (spread.isEmpty())
        return caption;
    // Each spread word is closed up; the wider gaps between words become one blank.
    QString closedUp;
    qsizetype from = 0;
    for (const Span &word : spread) {
        closedUp += caption.mid(from, word.from - from);
        closedUp += caption.mid(word.from, word.to - word.from).remove(QLatin1Char(' '));
        from = word.to;
    }
    closedUp += caption.mid(from);
    const QString words = closedUp.simplified().toLower();
    return words.left(1).toUpper() + words.mid(1);
}

} // namespace PlainWords
