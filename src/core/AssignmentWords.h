// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/TodayPlan.h"

#include <QString>

namespace Practice {

// The teacher's assignment in a few words: "Entro il 10, Passare la decina (numero max da 10 a
// 20)"; no range when the pupil's history chooses it.
QString assignmentWords(const Assignment &assignment);
// "3 di 7".
QString learnedWords(int learned);

} // namespace Practice
