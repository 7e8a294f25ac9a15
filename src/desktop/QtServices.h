// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RandomSource.h"
#include "desktop/QtPageDrawing.h"
#include "desktop/QtPrinterQueue.h"
#include "desktop/RegisterStore.h"
#include "frame/ScreenRegistry.h"
#include "frame/Services.h"

#include <QElapsedTimer>
#include <functional>
#include <memory>

class SoundPlayer;
class SpeechVoice;
class UnkeptRegister;

// The desktop services of the running program.
class QtServices final : public Services
{
public:
    using StoreLoader = std::function<std::unique_ptr<RegisterStore>()>;

    // The register comes from load, called on the register's first need only; the program's
    // own loads the store module.
    explicit QtServices(StoreLoader load = loadStoreModule);
    ~QtServices() override;

    static std::unique_ptr<RegisterStore> loadStoreModule();
    // On a lab PC, starts copying the register to the school server; elsewhere loads nothing.
    void startLabSender();

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
    // Without the store module, the answers are counted as not kept.
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
    // The store, loaded on first need; null when it cannot be loaded.
    RegisterStore *store();

    std::unique_ptr<SoundPlayer> m_sound;
    bool m_soundTried = false;
    std::unique_ptr<SpeechVoice> m_voice;
    bool m_voiceTried = false;
    ScreenRegistry m_screens;
    MixingRandomSource m_random;
    QtPageDrawing m_drawing;
    QtPrinterQueue m_queue;
    QElapsedTimer m_monotonic;
    StoreLoader m_loadStore;
    bool m_storeTried = false;
    std::unique_ptr<UnkeptRegister> m_unkept; // the register when the store is missing
    std::unique_ptr<RegisterStore> m_store;
    std::unique_ptr<ThrottleStore> m_throttle;
};
