// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "desktop/LoadModule.h"

#include <QCoreApplication>
#include <QLibrary>

QFunctionPointer moduleEntry(const char *moduleName, const char *entrySymbol)
{
    QLibrary module(
        QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(moduleName));
    return module.resolve(entrySymbol);
}
