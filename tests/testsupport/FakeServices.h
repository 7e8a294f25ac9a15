// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "FakePrinter.h"
#include "RecordingRegister.h"
#include "core/RandomSource.h"
#include "frame/ScreenRegistry.h"
#include "frame/Services.h"
#include "register/TeacherPassword.h"

#include <QList>
#include <QStringList>

// Random draws that a test scripts; once the script runs out, a fixed-seed generator.
class ScriptedRandomSource final : public RandomSource
{
public:
    QList<double> draws;
    int seedings = 0;

    void seed(double clockReading) override;
    double next() override;

private:
    MixingRandomSource m_fallback { 20261208 };
};

// The teacher's wrong tries, kept as long as the fake services live: across screens.
class MemoryThrottle final : public ThrottleStore
{
public:
    ThrottleState state;
    ThrottleState throttle() override { return state; }
    void storeThrottle(const ThrottleState &kept) override { state = kept; }
};

// The desktop as tests see it: messages are logged and answered from a queue, clocks move
// only when the test moves them, nothing is printed, played or started for real.
class FakeServices final : public Services
{
public:
    struct Message
    {
        QString text;
        MessageStyle style;
        QString title;
        QString spokenFirst;
    };

    ScreenRegistry registry;
    QList<MsgAnswer> answers; // next message-box answers; empty: OK, or Yes for a Yes/No question
    QList<Message> messages;
    int beeps = 0;
    float clock = 36000.0f; // seconds since midnight
    double monotonic = 5000.0;
    QString date = QStringLiteral("08/12/2026");
    QDate day { 2026, 12, 8 };
    ScriptedRandomSource randomSource;
    FakePrinter printerDouble;
    // Set to draw pages and queue them for real instead (into a PDF through Qt, for instance).
    PageDrawing *realDrawing = nullptr;
    PrinterQueue *realQueue = nullptr;
    QString documents = QStringLiteral("/home/maestra/Documenti");
    QStringList pdfQuestions; // the paths proposed by each file dialog
    QList<QString> pdfAnswers; // next file dialog answers; empty: the path proposed
    QStringList sounds;
    int soundPreparations = 0;
    QStringList spoken; // what the program's own voice said
    QString folder = QStringLiteral("/opt/vovorudoroz");
    bool startSucceeds = true;
    // Set to start programs for real instead; the program folder stays the one above.
    Launcher *realLauncher = nullptr;
    QStringList started;
    int endRequests = 0;
    RecordingRegister registerLog;
    Register::Status writerStatus;
    QString registerPath; // the teacher's screen opens it; empty: the register is switched off
    // Set to read from a register of the test's own (a FakeReader) instead of the file.
    Register::Opener readerOpener;
    // Where the reading screens' jobs run: at once here, or on a thread as in the program.
    Register::ReaderThread::Where readerWhere = Register::ReaderThread::Where::CallingThread;
    QStringList csvQuestions; // the paths proposed by each CSV dialog
    QList<QString> csvAnswers; // next CSV dialog answers; empty: the path proposed
    MemoryThrottle throttleStore;

    // Moves both clocks on together, as real time does.
    void advance(double seconds);

    ScreenRegistry &screens() override { return registry; }
    MsgAnswer messageBox(const QString &text, MessageStyle style, const QString &title,
        const QString &spokenFirst) override;
    void beep() override { ++beeps; }
    float timeOfDay() override { return clock; }
    double monotonicSeconds() override { return monotonic; }
    QString shortDate() override { return date; }
    QDate today() override { return day; }
    RandomSource &random() override { return randomSource; }
    PageDrawing &pageDrawing() override
    {
        return realDrawing ? *realDrawing : static_cast<PageDrawing &>(printerDouble);
    }
    PrinterQueue &printerQueue() override
    {
        return realQueue ? *realQueue : static_cast<PrinterQueue &>(printerDouble);
    }
    QString documentsFolder() override { return documents; }
    QString askPdfFilePath(const QString &proposedPath) override;
    void prepareSound() override { ++soundPreparations; }
    void playSound(const QString &path) override { sounds.append(path); }
    void say(const QString &text) override { spoken.append(text); }
    QString programFolder() override { return folder; }
    bool startProgram(const QString &absolutePath) override;
    void endProgram() override { ++endRequests; }
    PupilRegister &pupilRegister() override { return registerLog; }
    Register::Status registerStatus() override { return writerStatus; }
    std::unique_ptr<Register::ReaderThread> openReader() override;
    // A PC without a school server.
    bool registerOnServer() override { return false; }
    std::unique_ptr<Register::ReaderThread> openTeacherReader(const QString &password) override;
    ThrottleStore &passwordThrottle() override { return throttleStore; }
    QString askCsvFilePath(const QString &proposedPath) override;
    // No charts in tests: the screens show their tables alone.
    std::unique_ptr<ProgressChart> progressChart(QWidget *) override { return nullptr; }
};

// Deletes the screens that closed during a test (Qt deletes them later, from the event loop).
void flushDeletedScreens();
