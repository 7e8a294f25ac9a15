// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "teacher/FrmRegistro.h"

#include "core/ReaderThread.h"
#include "frame/Controls.h"
#include "frame/Messages.h"
#include "frame/RegisterReading.h"
#include "frame/Twips.h"
#include "teacher/ClassTable.h"
#include "teacher/PupilPanel.h"
#include "teacher/TeacherLook.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const QString WindowKey = QStringLiteral("Registro/finestra");

QSettings teacherSettings()
{
    return QSettings(QSettings::UserScope, QCoreApplication::applicationName());
}

// What the password panel needs to know, read in the register's thread.
struct PasswordState
{
    bool chosen = false;
    bool empty = false;
    int secondsToWait = 0;
    Register::State state = Register::State::Unavailable;
    QString setAsideFile;
    QString notice;
};

struct Entry
{
    PasswordGate::Check check = PasswordGate::Check::Wrong;
    int secondsToWait = 0;
    bool chosen = false;
    bool kept = true; // the first password chosen was stored
};

// How the teacher's login on a lab's school server went, and the register it opened.
struct Login
{
    PasswordGate::Check check = PasswordGate::Check::Wrong;
    int secondsToWait = 0;
    Register::State state = Register::State::Unavailable;
    QString setAsideFile;
    QString notice;
};

} // namespace

FrmRegistro::FrmRegistro(Roles roles, SessionRecord &chosenSession)
    : m_roles(roles), m_chosenSession(chosenSession)
{
    setObjectName(QStringLiteral("FrmRegistro"));
    setWindowTitle(TeacherLook::title());
    buildControls();
    // A working screen: it grows with the window, maximised too, and keeps the size it was
    // left at. Never so narrow that the search row's buttons cover the search field.
    client()->setMinimumSize(Twips::toPixels(13770), Twips::toPixels(9000));
    if (!restoreGeometry(teacherSettings().value(WindowKey).toByteArray())) {
        resize(minimumSizeHint());
        centreOnScreen();
    }

    if (m_roles.reading.registerOnServer()) {
        // On a lab the password is the teacher's own login on the school server: the class's
        // register there opens with it alone, on ENTRA.
        m_onServer = true;
        m_passwordChosen = true;
        askPassword();
        return;
    }
    m_reader = m_roles.reading.openReader();
    if (!m_reader) {
        showClass();
        return;
    }
    fraClasse->hide();
    fraPassword->show();
    lblPassword->setText(QStringLiteral("Carico…"));
    for (QWidget *control : std::initializer_list<QWidget *> { txtPassword, txtNuova, lblNuova,
             cmdEntra, cmdEsporta, cmdStampa, cmdElimina, cmdSvuota })
        control->hide();
    m_reader->run(
        [](Register::Opened &opened) {
            PasswordState read;
            read.chosen = opened.password->isChosen();
            read.empty = opened.password->isEmpty();
            read.secondsToWait = opened.password->secondsToWait();
            read.state = opened.reader->state();
            read.setAsideFile = opened.reader->setAsideFile();
            read.notice = opened.notice;
            return read;
        },
        [this](const PasswordState &read, bool failed) {
            m_state = read.state;
            m_setAsideFile = read.setAsideFile;
            m_serverNotice = read.notice;
            if (failed) {
                lblPassword->setText(Register::readFailedText());
                return;
            }
            m_passwordChosen = read.chosen;
            m_secondsToWait = read.secondsToWait;
            if (read.chosen && read.empty)
                showClass();
            else
                askPassword();
        });
}

FrmRegistro::~FrmRegistro() = default;

void FrmRegistro::onClose()
{
    teacherSettings().setValue(WindowKey, saveGeometry());
}

void FrmRegistro::askPassword(bool change)
{
    const bool first = !m_passwordChosen;
    lblPassword->setText(first ? QStringLiteral("Scegli la password dell'insegnante per il "
                                                "registro (si può lasciare vuota):")
            : change           ? QStringLiteral("Scrivi la password attuale:")
                               : QStringLiteral("Scrivi la password dell'insegnante:"));
    cmdEntra->setText(first ? QStringLiteral("SALVA")
            : change        ? QStringLiteral("CAMBIA")
                            : QStringLiteral("ENTRA"));
    if (m_secondsToWait > 0)
        lblPassword->setText(
            QStringLiteral("Troppi tentativi: riprova tra %1 secondi.").arg(m_secondsToWait));
    lblNuova->setVisible(change);
    txtNuova->setVisible(change);
    txtPassword->show();
    cmdEntra->show();
    fraClasse->hide();
    for (QPushButton *button : { cmdEsporta, cmdStampa, cmdElimina, cmdSvuota })
        button->hide();
    fraPassword->show();
    txtPassword->setFocus();
}

void FrmRegistro::cmdEntra_Click()
{
    const QString typed = txtPassword->text();
    const QString newPassword = txtNuova->text();
    const bool changing = txtNuova->isVisible();
    const bool first = !m_passwordChosen;
    txtPassword->clear();
    txtNuova->clear();
    if (m_onServer)
        return logIn(typed);
    // Hashing a password takes a good part of a second: it runs with the register.
    m_reader->run(
        [typed, newPassword, changing, first](Register::Opened &opened) {
            Entry entry;
            if (first) {
                // A file that cannot be written keeps no password: the register is shown all
                // the same.
                entry.kept = opened.password->choose(typed);
                entry.check = PasswordGate::Check::Right;
            } else {
                entry.check = changing ? opened.password->change(typed, newPassword)
                                       : opened.password->check(typed);
            }
            entry.secondsToWait = opened.password->secondsToWait();
            entry.chosen = opened.password->isChosen();
            return entry;
        },
        [this, changing, first](const Entry &entry, bool failed) {
            if (failed) {
                lblPassword->setText(Register::readFailedText());
                m_roles.messages.beep();
                return;
            }
            m_passwordChosen = entry.chosen;
            m_secondsToWait = entry.secondsToWait;
            showEntry(entry.check, changing);
            if (first && !entry.kept)
                lblEsito->setText(QStringLiteral(
                    "Il registro non si può modificare: la password non è stata salvata."));
        });
}

void FrmRegistro::logIn(const QString &password)
{
    if (m_login)
        return; // the last login is still on its way
    m_login = m_roles.reading.openTeacherReader(password);
    m_login->run(
        [](Register::Opened &opened) {
            Login login;
            login.check = opened.login;
            login.secondsToWait = opened.secondsToWait;
            login.notice = opened.notice;
            if (opened.reader) {
                login.state = opened.reader->state();
                login.setAsideFile = opened.reader->setAsideFile();
            }
            return login;
        },
        [this](const Login &login, bool failed) {
            m_secondsToWait = login.secondsToWait;
            m_serverNotice = login.notice;
            if (failed) {
                lblPassword->setText(Register::readFailedText());
                m_roles.messages.beep();
            } else if (login.check == PasswordGate::Check::Right) {
                m_state = login.state;
                m_setAsideFile = login.setAsideFile;
                m_reader = std::move(m_login);
            }
            if (!failed)
                showEntry(login.check, false);
            // A failed login's thread ends with the next try, or with the screen.
            if (m_login)
                m_finishedLogin = std::move(m_login);
        });
}

void FrmRegistro::showEntry(PasswordGate::Check check, bool changing)
{
    switch (check) {
    case PasswordGate::Check::Right:
        showClass();
        if (changing)
            lblEsito->setText(QStringLiteral("La password è cambiata."));
        return;
    case PasswordGate::Check::Wrong:
        lblPassword->setText(m_secondsToWait > 0
                ? QStringLiteral("Password sbagliata. Troppi tentativi: riprova tra %1 secondi.")
                      .arg(m_secondsToWait)
                : QStringLiteral("Password sbagliata. Riprova:"));
        break;
    case PasswordGate::Check::Waiting:
        lblPassword->setText(
            QStringLiteral("Troppi tentativi: riprova tra %1 secondi.").arg(m_secondsToWait));
        break;
    case PasswordGate::Check::ServerAway:
        lblPassword->setText(m_serverNotice
            + QStringLiteral(" Il registro della classe si apre quando il server risponde."));
        break;
    case PasswordGate::Check::NotKept:
        showClass();
        lblEsito->setText(
            QStringLiteral("Il registro non si può modificare: la password non è cambiata."));
        return;
    }
    m_roles.messages.beep();
}

void FrmRegistro::showClass()
{
    fraPassword->hide();
    fraClasse->show();
    const bool usable = m_reader != nullptr;
    for (QPushButton *button :
        { cmdEsporta, cmdStampa, cmdElimina, cmdSvuota, cmdCambia, cmdAssegna, cmdMisure })
        button->setVisible(usable);
    // A lab's password is the server's login: its administrator changes it.
    cmdCambia->setVisible(usable && !m_onServer);
    fillClass();
    txtCerca->setFocus();
}

void FrmRegistro::fillClass()
{
    showStatus();
    tblClasse->setPupils({});
    showPupil();
    if (!m_reader)
        return;
    lblCarico->setText(QStringLiteral("Carico…"));
    lblCarico->show();
    m_reader->run([](Register::Opened &opened) { return opened.reader->classOverview(); },
        [this](const QList<Register::PupilOverview> &pupils, bool failed) {
            lblCarico->hide();
            tblClasse->setPupils(pupils);
            tblClasse->filterRows(txtCerca->text());
            if (failed)
                tellReadFailed();
        });
}

void FrmRegistro::showStatus()
{
    Register::Status status = m_roles.reading.registerStatus();
    status.serverNotice = m_serverNotice;
    if (!m_reader)
        status.state = Register::State::Off;
    else if (status.state == Register::State::NotOpened)
        status.state = m_state;
    if (m_reader && status.setAsideFile.isEmpty())
        status.setAsideFile = m_setAsideFile;
    lblStato->setText(status.text());
}

void FrmRegistro::showPupil()
{
    const QString key = tblClasse->chosenPupil().first;
    const int reading = ++m_pupilReadings;
    m_pupil->showPupil({}, {});
    if (key.isEmpty() || !m_reader)
        return;
    using Pupil = std::pair<QList<Register::DayPoint>, QList<Register::SessionSummary>>;
    m_reader->run(
        [key](Register::Opened &opened) {
            return Pupil { opened.reader->progress(key), opened.reader->sessions(key) };
        },
        [this, reading](const Pupil &pupil, bool failed) {
            if (reading != m_pupilReadings)
                return;
            m_pupil->showPupil(pupil.first, pupil.second);
            if (failed)
                tellReadFailed();
        });
}

void FrmRegistro::tellReadFailed()
{
    lblEsito->setText(Register::readFailedText());
    m_roles.messages.beep();
}
