// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

// A progress chart marks each day with a point up to a month of days; beyond that the points
// would crowd into a thick band, and the lines alone are drawn. The same on screen and on paper.
inline constexpr int MostDaysWithPoints = 31;
