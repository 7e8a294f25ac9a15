// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// "MISURE" on the register's screen: the chosen pupil's accommodations, in their own dialog.
#include "teacher/ClassTable.h"
#include "teacher/FrmMisure.h"
#include "teacher/FrmRegistro.h"

#include <QLabel>
#include <QPushButton>

void FrmRegistro::cmdMisure_Click()
{
    const auto [key, name] = tblClasse->chosenPupil();
    if (!m_reader || key.isEmpty())
        return;
    if (!m_misure) {
        m_misure = new FrmMisure(this);
        connect(m_misure, &FrmMisure::saved, this, [this](const QString &pupilName) {
            lblEsito->setText(QStringLiteral("Misure salvate per %1.").arg(pupilName));
        });
    }
    m_misure->ask(*m_reader, key, name);
}

void FrmRegistro::offerMeasures()
{
    cmdMisure->setEnabled(!tblClasse->chosenPupil().first.isEmpty());
}
