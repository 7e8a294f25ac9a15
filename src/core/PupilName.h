// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QLocale>
#include <QString>

namespace PupilName {

// The first character in upper case and the rest in lower case, by the locale's rules: how the
// certificate, the report and the analysis write the pupil's name.
QString capitalised(const QString &name, const QLocale &locale);

} // namespace PupilName
