// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ColumnForm.h"

#include <QStringList>

namespace ColumnForm {

namespace {

    constexpr int AskedMinuend = 2;
    constexpr int AskedSubtrahend = 3;

    int digits(int value)
    {
        return value >= 10 ? 2 : 1;
    }

    Form subtraction(int top, int bottom)
    {
        Form form;
        form.top = top;
        form.bottom = bottom;
        form.result = top - bottom;
        form.exchange = top % 10 < bottom % 10;
        form.columns = digits(top);
        return form;
    }

    Form addition(int top, int bottom)
    {
        Form form;
        form.addition = true;
        form.top = top;
        form.bottom = bottom;
        form.result = top + bottom;
        form.carry = top % 10 + bottom % 10 >= 10;
        form.columns = digits(form.result);
        return form;
    }

    QString tens(int count)
    {
        return count == 1 ? QStringLiteral("1 decina") : QStringLiteral("%1 decine").arg(count);
    }

    QString subtractionWords(int top, int bottom)
    {
        const int topTens = top / 10;
        const int topUnits = top % 10;
        const int bottomTens = bottom / 10;
        const int bottomUnits = bottom % 10;
        const QString take = QStringLiteral("%1 meno %2 fa %3.");
        if (topUnits < bottomUnits) {
            const int left = topTens - 1;
            QString text = QStringLiteral("Cambio una decina in 10 unità: ")
                + take.arg(10 + topUnits).arg(bottomUnits).arg(10 + topUnits - bottomUnits);
            if (left == 0)
                return text + QStringLiteral(" Non restano decine.");
            text +=
                (left == 1 ? QStringLiteral(" Resta ") : QStringLiteral(" Restano ")) + tens(left);
            if (bottomTens == 0)
                return text + QLatin1Char('.');
            return text + QStringLiteral(": ")
                + take.arg(left).arg(bottomTens).arg(left - bottomTens);
        }
        if (topTens == 0)
            return take.arg(topUnits).arg(bottomUnits).arg(topUnits - bottomUnits);
        return QStringLiteral("Unità: ")
            + take.arg(topUnits).arg(bottomUnits).arg(topUnits - bottomUnits)
            + QStringLiteral(" Decine: ")
            + take.arg(topTens).arg(bottomTens).arg(topTens - bottomTens);
    }

    QString additionWords(int top, int bottom)
    {
        const int units = top % 10 + bottom % 10;
        const int topTens = top / 10;
        const int bottomTens = bottom / 10;
        const QString add = QStringLiteral("%1 più %2 fa %3");
        if (units >= 10) {
            return QStringLiteral("Unità: ") + add.arg(top % 10).arg(bottom % 10).arg(units)
                + QStringLiteral(": scrivo %1 e riporto 1 decina. Decine: %2 più %3 più 1 di "
                                 "riporto fa %4.")
                      .arg(units - 10)
                      .arg(topTens)
                      .arg(bottomTens)
                      .arg(topTens + bottomTens + 1);
        }
        if (topTens == 0 && bottomTens == 0)
            return add.arg(top).arg(bottom).arg(units) + QLatin1Char('.');
        return QStringLiteral("Unità: ") + add.arg(top % 10).arg(bottom % 10).arg(units)
            + QStringLiteral(". Decine: ")
            + add.arg(topTens).arg(bottomTens).arg(topTens + bottomTens) + QLatin1Char('.');
    }

} // namespace

Form worked(int minuend, int subtrahend, int askedTerm)
{
    const int difference = minuend - subtrahend;
    switch (askedTerm) {
    case AskedMinuend:
        return addition(difference, subtrahend);
    case AskedSubtrahend:
        return subtraction(minuend, difference);
    default:
        return subtraction(minuend, subtrahend);
    }
}

Form exercise(int minuend, int subtrahend, int askedTerm)
{
    Form form;
    form.top = minuend;
    form.bottom = subtrahend;
    form.result = minuend - subtrahend;
    form.columns = digits(minuend);
    form.blank = askedTerm == AskedMinuend ? Row::Top
        : askedTerm == AskedSubtrahend     ? Row::Bottom
                                           : Row::Result;
    return form;
}

QString words(int minuend, int subtrahend, int askedTerm)
{
    const int difference = minuend - subtrahend;
    QStringList sentences;
    int result = difference;
    switch (askedTerm) {
    case AskedMinuend:
        sentences << QStringLiteral("Il minuendo è la differenza più il sottraendo: %1 più %2.")
                         .arg(difference)
                         .arg(subtrahend)
                  << additionWords(difference, subtrahend);
        result = minuend;
        break;
    case AskedSubtrahend:
        sentences << QStringLiteral("Il sottraendo è il minuendo meno la differenza: %1 meno %2.")
                         .arg(minuend)
                         .arg(difference)
                  << subtractionWords(minuend, difference);
        result = subtrahend;
        break;
    default:
        sentences << subtractionWords(minuend, subtrahend);
        break;
    }
    sentences << QStringLiteral("Il risultato è %1.").arg(result);
    return sentences.join(QLatin1Char(' '));
}

} // namespace ColumnForm
