// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QDate>
#include <QString>

// The ready name of a saved page: "<kind> - <name> - <dd-mm-yyyy>.pdf", for instance
// "Attestato - Mario - 08-12-2026.pdf". Characters that a file name on a usual desktop cannot
// hold (slashes, colons, quotes, control characters and the like) become "_"; a name of blanks
// only becomes "alunno".
QString pdfFileName(const QString &kind, const QString &pupilName, const QDate &date);
