// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QMutex>
#include <QStringList>

namespace SchoolServer {

// The rows of this PC's register that the school server refused for good, set aside so that
// the rest keeps flowing: how many, and whose.
struct SetAsideRows
{
    int rows = 0;
    QStringList pupils;
};

// Shared between the sender's thread, which publishes, and the teacher's screen, which reads.
class SetAsideBoard
{
public:
    void publish(const SetAsideRows &rows);
    SetAsideRows get() const;

private:
    mutable QMutex m_mutex;
    SetAsideRows m_rows;
};

// The one board of the program.
SetAsideBoard &setAsideBoard();

} // namespace SchoolServer
