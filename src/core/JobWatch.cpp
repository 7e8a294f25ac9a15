// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/JobWatch.h"

JobWatch::JobWatch(
    std::function<JobState()> read, std::function<void(JobState)> ended, QObject *parent)
    : QObject(parent), m_read(std::move(read)), m_ended(std::move(ended))
{
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &JobWatch::poll);
    m_timer.start();
}

void JobWatch::poll()
{
    if (m_done)
        return;
    const JobState state = m_read();
    ++m_polls;
    const bool failed = state == JobState::Aborted || state == JobState::Canceled;
    if (!failed && state != JobState::Completed && m_polls < Polls)
        return;
    // Finished before telling anyone: telling may wait on a message box, during which the
    // timer must not look again.
    m_done = true;
    m_timer.stop();
    deleteLater();
    if (failed)
        m_ended(state);
}
