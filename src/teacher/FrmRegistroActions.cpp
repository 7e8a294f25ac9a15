// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The teacher's actions on the register's screen: export, deletions, the progress sheet and a
// stored session's screens. Each change runs on the register's thread; the screen stays live.
#include "core/DrillCodes.h"
#include "core/ReaderThread.h"
#include "core/ReviewInput.h"
#include "core/SessionRecord.h"
#include "core/ShortDate.h"
#include "core/StoredSession.h"
#include "frame/Clock.h"
#include "frame/Messages.h"
#include "frame/PagePrinting.h"
#include "frame/Printing.h"
#include "frame/RegisterReading.h"
#include "teacher/ClassTable.h"
#include "teacher/FrmRegistro.h"
#include "teacher/ProgressSheet.h"
#include "teacher/PupilPanel.h"
#include "teacher/TeacherLook.h"

#include <QDir>
#include <QLabel>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>

void FrmRegistro::cmdEsporta_Click()
{
    const auto [key, name] = tblClasse->chosenPupil();
    const QString proposed =
        QDir(m_roles.printing.documentsFolder())
            .filePath(QStringLiteral("registro-%1-%2.csv")
                          .arg(key.isEmpty() ? QStringLiteral("classe") : key)
                          .arg(m_roles.clock.today().toString(QStringLiteral("yyyyMMdd"))));
    const QString path = m_roles.reading.askCsvFilePath(proposed);
    if (path.isEmpty())
        return;
    // A bar only when the export lasts longer than half a second: the whole class of a year.
    // The rows written so far come from the register's thread; the bar looks at them.
    auto *bar =
        new QProgressDialog(QStringLiteral("Esportazione del registro…"), QString(), 0, 0, this);
    bar->setObjectName(QStringLiteral("barEsporta"));
    bar->setWindowTitle(TeacherLook::title());
    bar->setWindowModality(Qt::WindowModal);
    bar->setMinimumDuration(500);
    bar->setValue(0);
    auto written = std::make_shared<std::atomic<int>>(0);
    auto total = std::make_shared<std::atomic<int>>(0);
    auto *watch = new QTimer(bar);
    connect(watch, &QTimer::timeout, bar, [bar, written, total] {
        bar->setMaximum(std::max(total->load(), 1));
        bar->setValue(*written);
    });
    watch->start(100);
    m_reader->run(
        [key, path, written, total](Register::Opened &opened) {
            total->store(key.isEmpty() ? opened.reader->countsOfAll().answers
                                       : opened.reader->countsOf(key).answers);
            return opened.reader->exportCsv(
                key, path, [written](int rows) { written->store(rows); });
        },
        [this, bar, key, name, path](int rows, bool) {
            delete bar;
            lblEsito->setText(rows < 0
                    ? QStringLiteral("Il file \"%1\" non si può scrivere.").arg(path)
                    : QStringLiteral("Esportate %1 risposte %2 in \"%3\".")
                          .arg(rows)
                          .arg(key.isEmpty() ? QStringLiteral("della classe")
                                             : QStringLiteral("di ") + name)
                          .arg(path));
        });
}

void FrmRegistro::cmdElimina_Click()
{
    const auto [key, name] = tblClasse->chosenPupil();
    if (key.isEmpty()) {
        lblEsito->setText(QStringLiteral("Scegli prima un alunno nella tabella."));
        m_roles.messages.beep();
        return;
    }
    m_reader->run([key](Register::Opened &opened) { return opened.reader->countsOf(key); },
        [this, key, name](const Register::Counts &counts, bool failed) {
            if (failed)
                return tellReadFailed();
            const int sessions = counts.sessions;
            deleteAfterYes(
                sessions == 1
                    ? QStringLiteral("Eliminare %1 e la sua sessione?").arg(name)
                    : QStringLiteral("Eliminare %1 e le sue %2 sessioni?").arg(name).arg(sessions),
                [key](Register::Opened &opened) { return opened.reader->deletePupil(key); },
                QStringLiteral("%1 è stato eliminato dal registro.").arg(name),
                QStringLiteral("Il registro non si può modificare: %1 non è stato eliminato.")
                    .arg(name));
        });
}

void FrmRegistro::cmdCambia_Click()
{
    lblEsito->clear();
    askPassword(true);
}

void FrmRegistro::cmdSvuota_Click()
{
    m_reader->run([](Register::Opened &opened) { return opened.reader->countsOfAll(); },
        [this](const Register::Counts &counts, bool failed) {
            if (failed)
                return tellReadFailed();
            deleteAfterYes(
                QStringLiteral("Svuotare il registro? Si eliminano %1 alunni e %2 "
                               "sessioni.")
                    .arg(counts.pupils)
                    .arg(counts.sessions),
                [](Register::Opened &opened) { return opened.reader->emptyRegister(); },
                QStringLiteral("Il registro è vuoto."),
                QStringLiteral("Il registro non si può modificare: non è stato svuotato."));
        });
}

void FrmRegistro::deleteAfterYes(const QString &question,
    std::function<bool(Register::Opened &)> change, const QString &done, const QString &refused)
{
    if (m_roles.messages.messageBox(question, MsgBox::YesNoInformation, TeacherLook::title())
        != MsgAnswer::Yes)
        return;
    lblCarico->setText(QStringLiteral("Elimino…"));
    lblCarico->show();
    m_reader->run(std::move(change), [this, done, refused](bool changed, bool) {
        lblEsito->setText(changed ? done : refused);
        forgetChosenSession();
        fillClass();
    });
}

void FrmRegistro::forgetChosenSession()
{
    m_roles.screens.close(ScreenId::StoredReport);
    m_roles.screens.close(ScreenId::StoredAnalysis);
    m_chosenSession = SessionRecord();
}

void FrmRegistro::openChosenSession(ScreenId screen)
{
    const Register::SessionSummary *chosen = m_pupil->chosenSession();
    if (!chosen || !m_reader) {
        lblEsito->setText(
            QStringLiteral("Scegli prima una sessione nella tabella delle sessioni."));
        m_roles.messages.beep();
        return;
    }
    lblEsito->clear();
    const Register::SessionSummary session = *chosen;
    const QString pupil = tblClasse->chosenPupil().second;
    m_reader->run(
        [id = session.id](Register::Opened &opened) { return opened.reader->answers(id); },
        [this, session, pupil, screen](const QList<Register::StoredAnswer> &stored, bool failed) {
            if (failed)
                return tellReadFailed();
            QList<Register::Answer> answers;
            for (const Register::StoredAnswer &one : stored)
                answers.append(Register::storedAnswerOf(
                    one.operation, one.operationNumber, one.seconds, one.at));
            const Register::SessionStart start { pupil, session.mode, session.rangeLevel,
                session.rangeLow, session.rangeHigh, session.started };
            m_chosenSession = Register::storedSession(
                start, answers, shortDateText(session.started.date(), QLocale()));
            Review::noteOutcome(m_chosenSession, session.reviewed, session.reviewedNowRight);
            m_roles.screens.show(screen);
        });
}

void FrmRegistro::cmdOperazioni_Click()
{
    openChosenSession(ScreenId::StoredReport);
}

void FrmRegistro::cmdAnalisi_Click()
{
    openChosenSession(ScreenId::StoredAnalysis);
}

void FrmRegistro::cmdStampa_Click()
{
    const auto [key, name] = tblClasse->chosenPupil();
    if (key.isEmpty()) {
        lblEsito->setText(QStringLiteral("Scegli prima un alunno nella tabella."));
        m_roles.messages.beep();
        return;
    }
    ProgressSheet::Content content { name, m_roles.clock.shortDate(), m_pupil->days(),
        m_pupil->sessions() };
    PagePrinting::print({ m_roles.printing, m_roles.messages, m_roles.clock },
        PrintPage { QStringLiteral("Progressi"), name,
            [content](PageDrawing &printer) { ProgressSheet::draw(printer, content); } });
}
