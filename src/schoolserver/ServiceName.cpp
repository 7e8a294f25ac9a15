// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/ServiceName.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSettings>

namespace SchoolServer {

QString serviceName()
{
    const QSettings school(QSettings::SystemScope, QCoreApplication::applicationName());
    const QString name = school.value(QStringLiteral("Registro/servizio")).toString().trimmed();
    return isValidServiceName(name) ? name : QString();
}

bool isValidServiceName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.-]{1,63}$"));
    return plain.match(name).hasMatch();
}

} // namespace SchoolServer
