// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PdfFileName.h"

namespace {

// Refused by one desktop or another: the folder separators, the characters that other
// systems' file names and shells cannot take, and control characters.
bool unsafe(QChar c)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    return refused.contains(c) || c.category() == QChar::Other_Control
        || c.category() == QChar::Other_Format;
}

} // namespace

QString pdfFileName(const QString &kind, const QString &pupilName, const QDate &date)
{
    QString name = pupilName.simplified();
    for (QChar &c : name) {
        if (unsafe(c))
            c = QLatin1Char('_');
    }
    if (name.isEmpty())
        name = QStringLiteral("alunno");
    return QStringLiteral("%1 - %2 - %3.pdf")
        .arg(kind, name, date.toString(QStringLiteral("dd-MM-yyyy")));
}
