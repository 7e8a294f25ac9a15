// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/StartChoices.h"

namespace StartChoices {

const std::array<Range, RangeCount> &ranges()
{
    // Captions 2 and 5 carry two blanks before their last number.
    static const std::array<Range, RangeCount> table { {
        { QStringLiteral("NUMERO MAX DA 1 A 10"), 1, 10 },
        { QStringLiteral("NUMERO MAX DA 1 A  20"), 1, 20 },
        { QStringLiteral("NUMERO MAX DA 10 A 30"), 10, 20 },
        { QStringLiteral("NUMERO MAX DA 10 A 40"), 10, 40 },
        { QStringLiteral("NUMERO MAX DA 40 A  99"), 40, 98 },
        { QStringLiteral("NUMERO MAX DA 10 A 99"), 10, 98 },
    } };
    return table;
}

const std::array<Mode, ModeCount> &modes()
{
    static const std::array<Mode, ModeCount> table { {
        { QStringLiteral("Calcolo del resto/differenza"), 1, 1, colourValue(250, 250, 200),
            colourValue(240, 220, 150), QStringLiteral(" Calcola il resto / differenza") },
        { QStringLiteral("Calcolo del minuendo o sottraendo"), 2, 3, colourValue(200, 255, 255),
            colourValue(200, 200, 255), QStringLiteral(" Calcola il minuendo o sottraendo") },
        { QStringLiteral("Calcolo del minuendo, sottraendo, resto/differ. secondo causalità"), 1, 3,
            colourValue(255, 215, 220), colourValue(240, 180, 220),
            QStringLiteral(" Calcola il minuen., sottr., resto/differ. secondo richiesta") },
    } };
    return table;
}

QString withoutDigits(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isDigit())
            result.append(c);
    }
    return result;
}

bool isMissingName(const QString &name)
{
    for (const QChar c : name) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

} // namespace StartChoices
