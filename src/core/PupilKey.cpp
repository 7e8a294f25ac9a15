// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PupilKey.h"

QString pupilKey(const QString &name)
{
    return pupilDisplayName(name).toCaseFolded();
}

QString pupilDisplayName(const QString &name)
{
    return name.simplified();
}
