// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "desktop/QtServices.h"

#include "core/ShortDate.h"
#include "desktop/LoadModule.h"
#include "desktop/SettingsThrottle.h"
#include "desktop/SoundPlayer.h"
#include "desktop/SpeechVoice.h"
#include "desktop/UnkeptRegister.h"
#include "register/RegisterPlace.h"
#include "schoolserver/ServiceName.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTime>
#include <utility>

namespace {

// A question with Yes and No has no third way out: Esc and the window's close box would
// otherwise count as No, and a child's reflex on Esc would throw the session away. Until a
// button is chosen the box stays; Esc beeps. A box with OK alone closes as usual.
class ProgramMessageBox final : public QMessageBox
{
public:
    void setMustChoose(bool mustChoose) { m_mustChoose = mustChoose; }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (m_mustChoose && event->matches(QKeySequence::Cancel)) {
            QApplication::beep();
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    // A chosen button hides the box without a close event, so every close event here is a
    // request from outside: the window manager, or Alt+F4.
    void closeEvent(QCloseEvent *event) override
    {
        if (m_mustChoose) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool m_mustChoose = false;
};

} // namespace

QtServices::QtServices(StoreLoader load)
    : m_random(static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay())),
      m_loadStore(std::move(load))
{
    m_monotonic.start();
}

QtServices::~QtServices() = default;

std::unique_ptr<RegisterStore> QtServices::loadStoreModule()
{
    return loadModule<RegisterStore>(StoreModuleName, CreateRegisterStoreSymbol);
}

RegisterStore *QtServices::store()
{
    if (!std::exchange(m_storeTried, true)) {
        m_store = m_loadStore();
        if (!m_store)
            qWarning("the register's module %s is missing: nothing is kept", StoreModuleName);
    }
    return m_store.get();
}

void QtServices::startLabSender()
{
    // Both settings are read without the store, so that a PC on its own never loads it here.
    const RegisterPlace place = registerPlace();
    const QString service = SchoolServer::serviceName();
    if (place.switchedOn && !service.isEmpty() && store())
        m_store->startLabSender(place.filePath, service);
}

MsgAnswer QtServices::messageBox(
    const QString &text, MessageStyle style, const QString &title, const QString &spokenFirst)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    ProgramMessageBox box;
    box.setText(shown);
    if (!spokenFirst.isEmpty()) {
        // The label that shows the text is what a screen reader reads of the box.
        for (QLabel *label : box.findChildren<QLabel *>()) {
            if (label->text() == shown)
                label->setAccessibleName(spokenFirst + QLatin1Char(' ') + shown);
        }
    }
    box.setWindowTitle(title.isEmpty() ? programTitle() : title);
    box.setIcon(
        style.icon == MsgIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
    if (style.buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setMustChoose(true);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        return MsgAnswer::Ok;
    }
}

void QtServices::beep()
{
    QApplication::beep();
}

float QtServices::timeOfDay()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

double QtServices::monotonicSeconds()
{
    return m_monotonic.nsecsElapsed() / 1e9;
}

QString QtServices::shortDate()
{
    return shortDateText(QDate::currentDate(), QLocale::system());
}

QDate QtServices::today()
{
    return QDate::currentDate();
}

QString QtServices::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

QString QtServices::askPdfFilePath(const QString &proposedPath)
{
    // The desktop's own dialog where there is one, Qt's elsewhere; over the window in front.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(),
        QStringLiteral("Salva come PDF"), proposedPath, QStringLiteral("Documenti PDF (*.pdf)"));
}

void QtServices::prepareSound()
{
    if (!std::exchange(m_soundTried, true))
        m_sound = loadModule<SoundPlayer>(SoundModuleName, CreateSoundPlayerSymbol);
}

void QtServices::playSound(const QString &path)
{
    prepareSound();
    if (m_sound)
        m_sound->play(path);
}

void QtServices::say(const QString &text)
{
    if (!std::exchange(m_voiceTried, true))
        m_voice = loadModule<SpeechVoice>(SpeechModuleName, CreateSpeechVoiceSymbol);
    if (m_voice)
        m_voice->say(text);
}

QString QtServices::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

bool QtServices::startProgram(const QString &absolutePath)
{
    // Never through a search path or the working folder: only the file named, by full path.
    const QFileInfo program(absolutePath);
    if (!program.isAbsolute() || !program.isFile() || !program.isExecutable())
        return false;
    return QProcess::startDetached(program.absoluteFilePath(), {});
}

void QtServices::endProgram()
{
    QCoreApplication::exit(0);
}

PupilRegister &QtServices::pupilRegister()
{
    if (store())
        return m_store->pupilRegister(registerPlace());
    if (!m_unkept)
        m_unkept = std::make_unique<UnkeptRegister>();
    return *m_unkept;
}

Register::Status QtServices::registerStatus()
{
    if (m_store)
        return m_store->status();
    if (m_unkept)
        return m_unkept->status();
    return Register::Status();
}

std::unique_ptr<Register::ReaderThread> QtServices::openReader()
{
    const RegisterPlace place = registerPlace();
    if (!place.switchedOn || !store())
        return nullptr;
    return std::make_unique<Register::ReaderThread>(
        [place, store = m_store.get(), throttle = &passwordThrottle(),
            service = SchoolServer::serviceName()] {
            return store->openForScreens(place, throttle, service);
        });
}

bool QtServices::registerOnServer()
{
    return registerPlace().switchedOn && !SchoolServer::serviceName().isEmpty();
}

std::unique_ptr<Register::ReaderThread> QtServices::openTeacherReader(const QString &password)
{
    if (!store()) {
        // Without the store no server can be reached: the login is told so.
        return std::make_unique<Register::ReaderThread>([] {
            Register::Opened away;
            away.login = PasswordGate::Check::ServerAway;
            return away;
        });
    }
    // The login waits on the server: it runs in the reader's thread, never in the screen's.
    return std::make_unique<Register::ReaderThread>(
        [store = m_store.get(), service = SchoolServer::serviceName(), password,
            throttle = &passwordThrottle()] {
            return store->openTeacherForScreens(service, password, throttle);
        });
}

ThrottleStore &QtServices::passwordThrottle()
{
    if (!m_throttle)
        m_throttle = std::make_unique<SettingsThrottle>();
    return *m_throttle;
}

QString QtServices::askCsvFilePath(const QString &proposedPath)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Esporta CSV"),
        proposedPath, QStringLiteral("File CSV (*.csv)"));
}

std::unique_ptr<ProgressChart> QtServices::progressChart(QWidget *parent)
{
    const auto create = reinterpret_cast<CreateProgressChart>(
        moduleEntry(ChartModuleName, CreateProgressChartSymbol));
    return std::unique_ptr<ProgressChart>(create ? create(parent) : nullptr);
}
