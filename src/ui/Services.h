// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "register/RegisterStatus.h"

#include <QDate>
#include <QString>
#include <memory>

class QWidget;

class PrinterService;
class ProgressChart;
class PupilRegister;
namespace Register {
class RegisterQueries;
}
class RandomSource;
class ScreenRegistry;

// The program's title, shown by a message box given no title of its own.
inline QString programTitle()
{
    return QStringLiteral("VOVORUDOROZ.1");
}

// Message box styles and answers, as the screens' rules name them.
namespace MsgBox {
constexpr int OkOnly = 0;
constexpr int YesNoInformation = 68; // Yes and No buttons, information icon
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MsgBox

// Everything the screens need from the desktop, behind one seam: the program wires the Qt
// implementation, tests a scripted double.
class Services
{
public:
    virtual ~Services() = default;

    virtual ScreenRegistry &screens() = 0;

    // Shows a message and waits for the answer (MsgBox::Ok, Yes or No). A carriage return in
    // the text starts a new line; an empty title shows the program's title.
    virtual int messageBox(const QString &text, int style, const QString &title = QString()) = 0;
    virtual void beep() = 0;

    // Time of day in seconds since midnight, with fractions.
    virtual float timeOfDay() = 0;
    // Seconds on a clock that never jumps or wraps, for measuring intervals.
    virtual double monotonicSeconds() = 0;
    // Today's date in the short form of the system's locale, with a four-digit year.
    virtual QString shortDate() = 0;
    // Today's date.
    virtual QDate today() = 0;

    virtual RandomSource &random() = 0;
    virtual PrinterService &printer() = 0;
    // The user's documents folder, or the home folder when there is none yet.
    virtual QString documentsFolder() = 0;
    // Asks where to save a PDF file, proposing this full path; empty when the user cancels.
    virtual QString askPdfFilePath(const QString &proposedPath) = 0;

    // Loads the sound system ahead of the first sound, so that it plays without delay.
    virtual void prepareSound() = 0;
    // Plays a WAV file and returns at once; failures are ignored.
    virtual void playSound(const QString &path) = 0;
    // The folder that holds the program (and its sound and information program).
    virtual QString programFolder() = 0;
    // Starts another program by absolute path without waiting; false when it cannot start.
    virtual bool startProgram(const QString &absolutePath) = 0;
    // Ends the whole program at once, without asking any screen.
    virtual void endProgram() = 0;

    // The register of every pupil's work; each call returns at once.
    virtual PupilRegister &pupilRegister() = 0;
    // What the register went through in this run: its state and the answers it could not keep.
    virtual Register::Status registerStatus() = 0;
    // The register's file for the teacher's screen, opened now; nullptr when switched off.
    virtual std::unique_ptr<Register::RegisterQueries> openRegister() = 0;
    // Asks where to save a CSV file, proposing this full path; empty when the user cancels.
    virtual QString askCsvFilePath(const QString &proposedPath) = 0;
    // A progress chart whose widget is a child of the parent; nullptr when charts cannot be
    // drawn (the screens then show their tables alone).
    virtual std::unique_ptr<ProgressChart> progressChart(QWidget *parent) = 0;
};
