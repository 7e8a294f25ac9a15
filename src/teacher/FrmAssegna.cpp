// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "teacher/FrmAssegna.h"

#include "core/StartChoices.h"
#include "frame/Controls.h"
#include "frame/Twips.h"
#include "teacher/TeacherLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

FrmAssegna::FrmAssegna(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAssegna"));
    setWindowTitle(QStringLiteral("ASSEGNA — ") + TeacherLook::title());
    setWindowModality(Qt::WindowModal);
    Controls::setBackground(this, TeacherLook::background());
    setFixedSize(Twips::toPixels(6600), Twips::toPixels(6060));
    const QFont text = Controls::arial(11);
    const QFont buttons = Controls::arial(9.75, true);

    QLabel *per = Controls::label(this, QStringLiteral("lblPer"), QStringLiteral("Per:"), text);
    Controls::place(per, 240, 180, 6120, 300);
    optAlunno = new QRadioButton(this);
    optAlunno->setObjectName(QStringLiteral("optAlunno"));
    optAlunno->setFont(text);
    Controls::place(optAlunno, 240, 510, 6120, 330);
    optClasse = new QRadioButton(QStringLiteral("Tutta la classe"), this);
    optClasse->setObjectName(QStringLiteral("optClasse"));
    optClasse->setFont(text);
    Controls::place(optClasse, 240, 870, 6120, 330);

    QLabel *families = Controls::label(this, QStringLiteral("lblFamiglie"),
        QStringLiteral("Le famiglie da allenare finché sono imparate:"), text);
    Controls::place(families, 240, 1380, 6120, 300);
    int top = 1710;
    for (const Practice::Family family : Practice::families()) {
        auto *box = new QCheckBox(Practice::familyName(family), this);
        box->setObjectName(QStringLiteral("chkFamiglia%1").arg(chkFamiglia.size() + 1));
        box->setFont(text);
        Controls::place(box, 480, top, 5880, 330);
        chkFamiglia.append(box);
        top += 360;
    }

    QLabel *range =
        Controls::label(this, QStringLiteral("lblLivello"), QStringLiteral("Numeri:"), text);
    Controls::place(range, 240, top + 150, 1200, 330);
    cboLivello = new QComboBox(this);
    cboLivello->setObjectName(QStringLiteral("cboLivello"));
    cboLivello->setFont(text);
    cboLivello->setAccessibleName(QStringLiteral("Numeri"));
    cboLivello->addItem(QStringLiteral("secondo la storia"));
    for (const StartChoices::Range &choice : StartChoices::ranges())
        cboLivello->addItem(choice.caption);
    Controls::place(cboLivello, 1440, top + 120, 4920, 390);
    range->setBuddy(cboLivello);

    lblAvviso = Controls::label(this, QStringLiteral("lblAvviso"), QString(), text);
    Controls::setTextColour(lblAvviso, TeacherLook::darkRed());
    lblAvviso->setWordWrap(true);
    Controls::place(lblAvviso, 240, top + 600, 6120, 300);

    cmdSalva =
        Controls::button(this, QStringLiteral("cmdSalva"), QStringLiteral("ASSEGNA"), buttons);
    cmdTogli = Controls::button(
        this, QStringLiteral("cmdTogli"), QStringLiteral("TOGLI ASSEGNAZIONE"), buttons);
    cmdAnnulla =
        Controls::button(this, QStringLiteral("cmdAnnulla"), QStringLiteral("ANNULLA"), buttons);
    Controls::place(cmdSalva, 240, 5340, 1680, 480);
    Controls::place(cmdTogli, 2040, 5340, 2640, 480);
    Controls::place(cmdAnnulla, 4800, 5340, 1560, 480);
    for (QPushButton *button : { cmdSalva, cmdTogli, cmdAnnulla })
        Controls::setBackground(button, TeacherLook::background());
    cmdSalva->setDefault(true);
    connect(cmdSalva, &QPushButton::clicked, this, &FrmAssegna::cmdSalva_Click);
    connect(cmdTogli, &QPushButton::clicked, this, &FrmAssegna::cmdTogli_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmAssegna::ask(const QString &pupilName, const std::optional<Practice::Assignment> &current)
{
    const bool pupil = !pupilName.isEmpty();
    optAlunno->setText(
        pupil ? QStringLiteral("Solo ") + pupilName : QStringLiteral("Nessun alunno scelto"));
    optAlunno->setEnabled(pupil);
    (pupil ? optAlunno : optClasse)->setChecked(true);
    for (int index = 0; index < chkFamiglia.size(); ++index)
        chkFamiglia[index]->setChecked(
            current && current->families.contains(Practice::families().at(index)));
    const int level = current ? current->rangeLevel : 0;
    cboLivello->setCurrentIndex(level >= 1 && level <= StartChoices::RangeCount ? level : 0);
    lblAvviso->clear();
    open();
    chkFamiglia.first()->setFocus();
}

void FrmAssegna::cmdSalva_Click()
{
    Practice::Assignment assignment;
    for (int index = 0; index < chkFamiglia.size(); ++index)
        if (chkFamiglia[index]->isChecked())
            assignment.families.append(Practice::families().at(index));
    if (assignment.families.isEmpty()) {
        lblAvviso->setText(QStringLiteral("Scegli almeno una famiglia."));
        return;
    }
    assignment.rangeLevel = cboLivello->currentIndex();
    choose(assignment);
}

void FrmAssegna::cmdTogli_Click()
{
    choose(std::nullopt);
}

void FrmAssegna::choose(std::optional<Practice::Assignment> assignment)
{
    const Choice choice { optClasse->isChecked(), std::move(assignment) };
    accept();
    emit chosen(choice);
}
