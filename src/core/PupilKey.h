// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// Two names are one pupil when they match after trimming, collapsing blanks and case-folding:
// "luca " is "Luca", "Anna  Maria" is "anna maria".
QString pupilKey(const QString &name);
// The name as it is shown: trimmed, blanks collapsed, letters as typed.
QString pupilDisplayName(const QString &name);
