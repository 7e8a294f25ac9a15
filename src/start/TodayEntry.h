// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QObject>
#include <memory>

class Clock;
class QLabel;
class QPushButton;
class QWidget;
class RegisterReading;
class ScreenRegistry;
struct SessionRecord;
namespace Practice {
struct TodayPlan;
}
namespace Register {
class ReaderThread;
}

// "Allenamento di oggi" on the start screen, beside the range buttons: the program chooses the
// pupil's forty operations from what the register knows, then opens the exercise screen on them
// as a range button opens it on drawn ones. Shown once the name is accepted, and only while the
// register is on. The register is read, and the plan made, off the screen's thread; "Carico…"
// shows only when that is not at once.
class TodayEntry : public QObject
{
    Q_OBJECT

public:
    struct Roles
    {
        SessionRecord &session;
        ScreenRegistry &screens;
        RegisterReading &reading;
        Clock &clock;
    };

    TodayEntry(QWidget *area, const Roles &roles);
    ~TodayEntry() override;

    QPushButton *button() const { return cmdAllenamento; }
    // The register's reader opened by offer(); none when the register is off.
    Register::ReaderThread *reader() const { return m_reader.get(); }
    // The name is accepted: the entry shows when the register is on.
    void offer();

private:
    // Reads what the register knows of the pupil and makes today's plan from it, off this thread.
    void planToday();
    void planMade(const Practice::TodayPlan &plan, bool failed);

    Roles m_roles;
    std::unique_ptr<Register::ReaderThread> m_reader; // none: the register is switched off
    bool m_planning = false;

    QPushButton *cmdAllenamento = nullptr;
    QLabel *lblCarico = nullptr;
};
