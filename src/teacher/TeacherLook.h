// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/Colour.h"

#include <QString>

// The colours and the title the parts of the teacher's screen share.
namespace TeacherLook {

inline QColor background()
{
    return Colour::rgb(255, 240, 150);
}
inline QColor darkRed()
{
    return Colour::rgb(128, 0, 0);
}
inline QString title()
{
    return QStringLiteral("REGISTRO DELLA CLASSE");
}

} // namespace TeacherLook
