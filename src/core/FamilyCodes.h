// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PracticeFamily.h"

#include <QList>
#include <QString>

// The families as the register keeps them: a short code each, blank-separated in teaching order
// ("entro10 decina"). A code never changes once stored; an unknown one (from a newer program) is
// passed over.
namespace Practice {

QString familyCode(Family family);
QString familyCodes(const QList<Family> &families);
// Each known family once, in teaching order.
QList<Family> familiesOfCodes(const QString &codes);

} // namespace Practice
