// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PupilName.h"

namespace PupilName {

QString capitalised(const QString &name, const QLocale &locale)
{
    if (name.isEmpty())
        return name;
    // A letter outside the basic plane is two UTF-16 units: keep it whole.
    const qsizetype first = name.at(0).isHighSurrogate() && name.size() > 1 ? 2 : 1;
    return locale.toUpper(name.left(first)) + locale.toLower(name.mid(first));
}

} // namespace PupilName
