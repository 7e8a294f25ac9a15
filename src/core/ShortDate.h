// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Today's date as the certificate shows it: the locale's short form with a four-digit year;
// the Italian form (dd/MM/yyyy) when the locale is C or POSIX.
QString shortDateText(const QDate &date, const QLocale &locale);
