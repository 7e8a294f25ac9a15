// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/SetAside.h"

namespace SchoolServer {

void SetAsideBoard::publish(const SetAsideRows &rows)
{
    QMutexLocker lock(&m_mutex);
    m_rows = rows;
}

SetAsideRows SetAsideBoard::get() const
{
    QMutexLocker lock(&m_mutex);
    return m_rows;
}

SetAsideBoard &setAsideBoard()
{
    static SetAsideBoard board;
    return board;
}

} // namespace SchoolServer
