// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RandomSource.h"
#include "desktop/QtPageDrawing.h"
#include "desktop/QtPrinterQueue.h"
#include "frame/ScreenRegistry.h"
#include "frame/Services.h"

#include <QElapsedTimer>
#include <memory>

class SoundPlayer;
class SpeechVoice;
class SqliteRegister;

// The desktop services of the running program.
class QtServices final : public Services
{
public:
    QtServices();
    ~QtServices() override;

    ScreenRegistry &screens() override { return m_screens; }
    MsgAnswer messageBox(const QString &text, MessageStyle style, const QString &title,
        const QString &spokenFirst = QString()) override;
    void beep() override;
    float timeOfDay() override;
    double monotonicSeconds() override;
    QString shortDate() override;
    QDate today() override;
    RandomSource &random() override { return m_random; }
    PageDrawing &pageDrawing() override { return m_drawing; }
    PrinterQueue &printerQueue() override { return m_queue; }
    QString documentsFolder() override;
    QString askPdfFilePath(const QString &proposedPath) override;
    // Loads the sound module on first need; without it the program stays silent.
    void prepareSound() override;
    void playSound(const QString &path) override;
    // Loads the speech module on the first text; without it the program stays silent.
    void say(const QString &text) override;
    QString programFolder() override;
    bool startProgram(const QString &absolutePath) override;
    void endProgram() override;
    // Made on first need; the file opens with the first session, on the register's own thread.
    PupilRegister &pupilRegister() override;
    Register::Status registerStatus() override;
    std::unique_ptr<Register::ReaderThread> openReader() override;
    bool registerOnServer() override;
    std::unique_ptr<Register::ReaderThread> openTeacherReader(const QString &password) override;
    ThrottleStore &passwordThrottle() override;
    QString askCsvFilePath(const QString &proposedPath) override;
    // Loads the chart module on the first chart; without it there are no charts.
    std::unique_ptr<ProgressChart> progressChart(QWidget *parent) override;

private:
    std::unique_ptr<SoundPlayer> m_sound;
    bool m_soundTried = false;
    std::unique_ptr<SpeechVoice> m_voice;
    bool m_voiceTried = false;
    ScreenRegistry m_screens;
    MixingRandomSource m_random;
    QtPageDrawing m_drawing;
    QtPrinterQueue m_queue;
    QElapsedTimer m_monotonic;
    std::unique_ptr<SqliteRegister> m_register;
    std::unique_ptr<ThrottleStore> m_throttle;
};
