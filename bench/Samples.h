// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QList>
#include <QMap>
#include <QString>

class QElapsedTimer;

// The figures of a measurement run, by name, in milliseconds, and the lines bench/run.sh reads
// from them.
class Samples
{
public:
    void add(const QString &name, double ms) { m_values[name].append(ms); }
    // One line a name, in the names' order: "<prefix><name> median min max n=count".
    void print(const char *prefix = "") const;

    static double median(QList<double> values);

private:
    QMap<QString, QList<double>> m_values;
};

double elapsedMs(const QElapsedTimer &timer);

// Lets the window system catch up, then deletes the screens that closed.
void settle();
