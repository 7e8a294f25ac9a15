// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QMutex>
#include <QStringList>

namespace Register {

enum class State {
    NotOpened, // no session started yet in this run
    Ready,
    Off, // switched off by the school's settings: no files at all
    ReadOnly, // the file can be read but not written
    Newer, // written by a newer version of the program: read, never written
    Unavailable, // the folder or the file cannot be used (missing or protected disk)
    Busy, // another copy of the program holds the file
    DiskFull,
};

// What the teacher is told about the register, and how many answers it could not keep.
struct Status
{
    State state = State::NotOpened;
    QString setAsideFile; // the damaged file moved aside in this run, if any
    int answersNotKept = 0; // judged answers not in the file (waiting or lost)
    QString serverNotice; // the school server's line when it does not answer, shown first
    int rowsSetAside = 0; // rows the school server refused for good, kept aside on this PC
    QStringList pupilsSetAside; // whose they are

    // In plain Italian, for the teacher's screen.
    QString text() const;
};

// What became of the teacher's login on the school server.
enum class TeacherLogin { Opened, WrongPassword, ServerAway };

// The status shared between the writer's thread, which sets it, and the screens, which read it.
class StatusBoard
{
public:
    Status get() const;
    void setState(State state);
    void setSetAsideFile(const QString &fileName);
    void setAnswersNotKept(int count);

private:
    mutable QMutex m_mutex;
    Status m_status;
};

} // namespace Register
