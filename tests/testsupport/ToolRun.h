// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>
#include <QStringList>

// Runs a command-line tool (a PDF reader, for instance) for up to 30 seconds: true when it
// ended normally with status 0, its standard output then in output when one is given.
bool runTool(const QString &program, const QStringList &arguments, QString *output = nullptr);
