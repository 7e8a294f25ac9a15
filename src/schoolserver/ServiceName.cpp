// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/ServiceName.h"

#include <QCoreApplication>
#include <QSettings>

#include <algorithm>

namespace SchoolServer {

QString serviceName()
{
    const QSettings school(QSettings::SystemScope, QCoreApplication::applicationName());
    const QString name = school.value(QStringLiteral("Registro/servizio")).toString().trimmed();
    return isValidServiceName(name) ? name : QString();
}

bool isValidServiceName(const QString &name)
{
    // Letters and digits of ASCII, '_', '.' and '-', from 1 to 63 of them. Checked by hand: the
    // program asks at every start, before its first screen.
    auto plain = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
            || c == u'_' || c == u'.' || c == u'-';
    };
    return !name.isEmpty() && name.size() <= 63 && std::all_of(name.cbegin(), name.cend(), plain);
}

} // namespace SchoolServer
