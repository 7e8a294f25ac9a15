// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// "ASSEGNA" on the register's screen: the teacher's choice for the next "Allenamento di oggi"
// of one pupil or of the whole class, written on the register's thread.
#include "core/AssignmentWords.h"
#include "core/ReaderThread.h"
#include "frame/Messages.h"
#include "teacher/ClassTable.h"
#include "teacher/FrmAssegna.h"
#include "teacher/FrmRegistro.h"
#include "teacher/TeacherLook.h"

#include <QLabel>

void FrmRegistro::cmdAssegna_Click()
{
    if (!m_reader)
        return;
    if (!m_assegna) {
        m_assegna = new FrmAssegna(this);
        connect(m_assegna, &FrmAssegna::chosen, this, [this](const FrmAssegna::Choice &choice) {
            assign(choice.wholeClass, choice.assignment);
        });
    }
    const auto [key, name] = tblClasse->chosenPupil();
    m_assegna->ask(name, tblClasse->assignmentOf(key));
}

void FrmRegistro::assign(bool wholeClass, const std::optional<Practice::Assignment> &assignment)
{
    const auto [key, name] = tblClasse->chosenPupil();
    const QStringList keys = wholeClass ? tblClasse->pupilKeys() : QStringList { key };
    if (keys.isEmpty() || keys.first().isEmpty()) {
        lblEsito->setText(QStringLiteral("Nel registro non c'è ancora nessun alunno."));
        m_roles.messages.beep();
        return;
    }
    const QString words = assignment ? Practice::assignmentWords(*assignment) : QString();
    if (wholeClass) {
        const QString question = assignment
            ? QStringLiteral("Assegnare a tutti i %1 alunni della classe: %2? Sostituisce "
                             "l'assegnazione di ciascuno.")
                  .arg(keys.size())
                  .arg(words)
            : QStringLiteral("Togliere l'assegnazione a tutti i %1 alunni della classe?")
                  .arg(keys.size());
        if (m_roles.messages.messageBox(question, MsgBox::YesNoInformation, TeacherLook::title())
            != MsgAnswer::Yes)
            return;
    }
    const QString who = wholeClass ? QStringLiteral("tutta la classe") : name;
    const QString done = assignment ? QStringLiteral("Assegnato a %1: %2.").arg(who, words)
                                    : QStringLiteral("Assegnazione tolta a %1.").arg(who);
    lblCarico->setText(QStringLiteral("Salvo…"));
    lblCarico->show();
    m_reader->run(
        [keys, assignment](Register::Opened &opened) {
            int changed = 0;
            for (const QString &pupil : keys)
                changed += opened.reader->setAssignment(pupil, assignment) ? 1 : 0;
            return changed;
        },
        [this, done, count = int(keys.size())](int changed, bool) {
            lblEsito->setText(changed == count ? done
                    : count == 1
                    ? QStringLiteral(
                        "Il registro non si può modificare: l'assegnazione non è cambiata.")
                    : QStringLiteral("Il registro non si può modificare: l'assegnazione è cambiata "
                                     "per %1 alunni su %2.")
                          .arg(changed)
                          .arg(count));
            if (changed != count)
                m_roles.messages.beep();
            fillClass();
        });
}
