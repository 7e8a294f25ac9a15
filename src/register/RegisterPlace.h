// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// Where the register lives, and whether the school lets it live at all.
struct RegisterPlace
{
    QString filePath;
    bool switchedOn = true;
};

// "registro.sqlite" in the user's data folder; switched off by "[Registro] attivo=false" in the
// program's system-wide settings (the XDG system folder, e.g. /etc/xdg/vovorudoroz.conf).
RegisterPlace registerPlace();
