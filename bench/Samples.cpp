// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "Samples.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

void Samples::print(const char *prefix) const
{
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it) {
        const QList<double> &values = it.value();
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        std::printf("%s%s %.3f %.3f %.3f n=%lld\n", prefix, qPrintable(it.key()), median(values),
            *low, *high, static_cast<long long>(values.size()));
    }
}

double Samples::median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double elapsedMs(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
