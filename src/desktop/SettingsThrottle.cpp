// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "desktop/SettingsThrottle.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const QString Tries = QStringLiteral("Registro/tentativiSbagliati");
const QString WaitUntil = QStringLiteral("Registro/attesaFino");

} // namespace

ThrottleState SettingsThrottle::throttle()
{
    const QSettings settings(QSettings::UserScope, QCoreApplication::applicationName());
    return { settings.value(Tries, 0).toInt(), settings.value(WaitUntil, 0).toLongLong() };
}

void SettingsThrottle::storeThrottle(const ThrottleState &state)
{
    QSettings settings(QSettings::UserScope, QCoreApplication::applicationName());
    settings.setValue(Tries, state.wrongTries);
    settings.setValue(WaitUntil, state.waitUntil);
    settings.sync();
}
