// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// A generated school year of a class, written into a register file as the program writes it:
// each pupil one session of forty answers a school day, right more often as the year goes on,
// wrong answers mostly slips and sometimes the pupil's own wrong procedure.
struct SchoolYear
{
    int pupils = 30;
    int sessionsPerPupil = 200;
    int answersPerSession = 40;

    int answers() const { return pupils * sessionsPerPupil * answersPerSession; }
    // The pupil's name as typed at the start (at most 30 different ones).
    static QString pupilName(int pupil);
    // False when the file could not be written.
    bool generate(const QString &path) const;
};
