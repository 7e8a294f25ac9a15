// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/RegisterPlace.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

RegisterPlace registerPlace()
{
    RegisterPlace place;
    const QSettings school(QSettings::SystemScope, QCoreApplication::applicationName());
    place.switchedOn = school.value(QStringLiteral("Registro/attivo"), true).toBool();
    place.filePath = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                         .filePath(QStringLiteral("registro.sqlite"));
    return place;
}
