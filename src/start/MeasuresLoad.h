// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QObject>
#include <memory>

class ScreenRegistry;
struct SessionRecord;
namespace Register {
class ReaderThread;
}

// The accommodations in force for the pupil whose name was just accepted, put on the session
// record: the teacher's for this pupil from the register (on a lab, from the school server), or,
// with the register off, those the PC's system-wide settings give every pupil. Read off the
// screen's thread; until they come, and when they cannot be read, the pupil has the default. A
// session begun before they came keeps what it began with.
class MeasuresLoad final : public QObject
{
public:
    MeasuresLoad(QObject *parent, SessionRecord &session, ScreenRegistry &screens);
    ~MeasuresLoad() override;

    // reader: the register's, or none when the register is off.
    void load(Register::ReaderThread *reader);

private:
    SessionRecord &m_session;
    ScreenRegistry &m_screens;
    std::unique_ptr<Register::ReaderThread> m_settings; // the settings file's, made when needed
    int m_loading = 0; // only the last name's measures are kept
};
