// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PasswordGate.h"
#include "core/RegisterReader.h"

#include <QObject>
#include <functional>
#include <memory>

class QThread;

namespace Register {

// A register opened for the screens: the reader, the teacher's password kept in it, and the
// line a screen shows first when the school server could not be reached.
struct Opened
{
    std::unique_ptr<Reader> reader;
    std::unique_ptr<PasswordGate> password; // uses the reader: declared after it, ended before it
    QString notice;
    // For a register opened with the teacher's login on a lab's school server: how the login
    // went (the reader is there only when Right), and the seconds to wait after a wrong one.
    PasswordGate::Check login = PasswordGate::Check::Right;
    int secondsToWait = 0;
};

// Opens the register; called in the thread that then uses it.
using Opener = std::function<Opened()>;

class ReaderWorker;

// The screens' way to the register: the register is opened, used and closed in a thread of
// its own (a database connection belongs to the thread that opened it), so a slow disk or a
// server that does not answer never holds a screen. Each job runs there in turn and its result
// comes back to the screen's thread, through its event loop, as a call of `done`.
class ReaderThread
{
public:
    enum class Where {
        OwnThread,
        CallingThread, // every job runs at once and its result comes back at once (tests)
    };

    explicit ReaderThread(Opener opener, Where where = Where::OwnThread);
    // Never waits: a job still running finishes on its own, then the register closes. No
    // result arrives after this.
    ~ReaderThread();
    ReaderThread(const ReaderThread &) = delete;
    ReaderThread &operator=(const ReaderThread &) = delete;

    // job(opened) runs in the reader's thread; done(result, failed) in this one, `failed`
    // when a read or a change of the job failed.
    template <class Job, class Done> void run(Job job, Done done)
    {
        post([job = std::move(job), done = std::move(done)](Opened &opened) {
            auto result = job(opened);
            const bool failed = opened.reader && opened.reader->takeFailure();
            return std::function<void()>(
                [done, result = std::move(result), failed] { done(result, failed); });
        });
    }

private:
    using Work = std::function<std::function<void()>(Opened &)>;
    void post(Work work);

    Where m_where;
    QThread *m_thread = nullptr; // ends and deletes itself once its last job is done
    ReaderWorker *m_worker = nullptr; // lives in m_thread, or here for CallingThread
    std::unique_ptr<QObject> m_mailbox; // results are delivered while it lives
};

// The screen's line for a read that failed.
QString readFailedText();

} // namespace Register
