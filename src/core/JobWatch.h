// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// What the spooler says of a job it has accepted.
enum class JobState {
    Waiting, // pending, held, printing, or not readable just now
    Completed,
    Aborted,
    Canceled,
};

// Watches one print job without blocking: reads its state every half second for 30 seconds
// and calls ended once with Aborted or Canceled if the job ends that way. It deletes itself
// when the job completes, fails or the time is up; deleting its parent ends it earlier.
class JobWatch final : public QObject
{
    Q_OBJECT

public:
    static constexpr int IntervalMs = 500;
    static constexpr int Polls = 60; // 30 seconds

    JobWatch(std::function<JobState()> read, std::function<void(JobState)> ended, QObject *parent);

    // One look at the job (the timer's work, callable directly).
    void poll();

private:
    std::function<JobState()> m_read;
    std::function<void(JobState)> m_ended;
    QTimer m_timer;
    int m_polls = 0;
    bool m_done = false;
};
