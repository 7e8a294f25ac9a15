// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The controls of the teacher's register and how they share the window as it grows.
#include "frame/Controls.h"
#include "frame/Twips.h"
#include "teacher/ClassTable.h"
#include "teacher/FrmRegistro.h"
#include "teacher/PupilPanel.h"
#include "teacher/TeacherLook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

void FrmRegistro::buildControls()
{
    QWidget *area = client();
    Controls::setBackground(area, TeacherLook::background());
    const QFont buttons = Controls::arial(11.25, true);
    const int margin = Twips::toPixels(510);

    lblTitolo = Controls::label(
        area, QStringLiteral("lblTitolo"), TeacherLook::title(), Controls::arial(15.75, true));
    Controls::setTextColour(lblTitolo, TeacherLook::darkRed());
    lblTitolo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    buildPasswordPanel(area);
    buildClassPanel(area);

    cmdEsporta = Controls::button(
        area, QStringLiteral("cmdEsporta"), QStringLiteral("ESPORTA CSV"), buttons);
    cmdStampa =
        Controls::button(area, QStringLiteral("cmdStampa"), QStringLiteral("STAMPA"), buttons);
    cmdElimina = Controls::button(
        area, QStringLiteral("cmdElimina"), QStringLiteral("ELIMINA ALUNNO"), buttons);
    cmdSvuota = Controls::button(
        area, QStringLiteral("cmdSvuota"), QStringLiteral("SVUOTA REGISTRO"), buttons);
    cmdEsci = Controls::button(area, QStringLiteral("cmdEsci"), QStringLiteral("ESCI"), buttons);
    cmdEsci->setAccessibleName(QStringLiteral("Esci"));
    auto *row = new QHBoxLayout;
    row->setSpacing(Twips::toPixels(60));
    for (QPushButton *button : { cmdEsporta, cmdStampa, cmdElimina, cmdSvuota, cmdEsci }) {
        Controls::setBackground(button, TeacherLook::background());
        // The caption with room around it, never narrower than the first window's buttons.
        button->setMinimumSize(std::max(Twips::toPixels(2130),
                                   button->fontMetrics().horizontalAdvance(button->text())
                                       + 4 * button->fontMetrics().averageCharWidth()),
            Twips::toPixels(585));
        row->addWidget(button, 1);
    }
    connect(cmdEsporta, &QPushButton::clicked, this, &FrmRegistro::cmdEsporta_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &FrmRegistro::cmdStampa_Click);
    connect(cmdElimina, &QPushButton::clicked, this, &FrmRegistro::cmdElimina_Click);
    connect(cmdSvuota, &QPushButton::clicked, this, &FrmRegistro::cmdSvuota_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);

    auto *column = new QVBoxLayout(area);
    column->setContentsMargins(margin, Twips::toPixels(150), margin, Twips::toPixels(120));
    column->addWidget(lblTitolo);
    column->addWidget(fraPassword, 0, Qt::AlignTop);
    column->addWidget(fraClasse, 1);
    column->addStretch(0);
    column->addLayout(row);
}

void FrmRegistro::buildPasswordPanel(QWidget *area)
{
    const QFont text = Controls::arial(12);
    const QFont buttons = Controls::arial(11.25, true);
    fraPassword = Controls::panel(area, QStringLiteral("fraPassword"), TeacherLook::background());
    fraPassword->setFixedSize(Twips::toPixels(10890), Twips::toPixels(3000));
    lblPassword = Controls::label(fraPassword, QStringLiteral("lblPassword"), QString(), text);
    Controls::place(lblPassword, 0, 600, 10890, 780);
    lblPassword->setWordWrap(true);
    txtPassword = new QLineEdit(fraPassword);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setFont(text);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setAccessibleName(QStringLiteral("Password dell'insegnante"));
    Controls::place(txtPassword, 0, 1500, 4500, 450);
    cmdEntra = Controls::button(fraPassword, QStringLiteral("cmdEntra"), QString(), buttons);
    Controls::place(cmdEntra, 4800, 1470, 2535, 510);
    lblNuova = Controls::label(
        fraPassword, QStringLiteral("lblNuova"), QStringLiteral("La password nuova:"), text);
    Controls::place(lblNuova, 0, 2160, 4500, 420);
    txtNuova = new QLineEdit(fraPassword);
    txtNuova->setObjectName(QStringLiteral("txtNuova"));
    txtNuova->setFont(text);
    txtNuova->setEchoMode(QLineEdit::Password);
    txtNuova->setAccessibleName(QStringLiteral("La password nuova"));
    Controls::place(txtNuova, 0, 2580, 4500, 420);
    setTabOrder(txtPassword, txtNuova);
    setTabOrder(txtNuova, cmdEntra);
    connect(txtPassword, &QLineEdit::returnPressed, this, &FrmRegistro::cmdEntra_Click);
    connect(txtNuova, &QLineEdit::returnPressed, this, &FrmRegistro::cmdEntra_Click);
    connect(cmdEntra, &QPushButton::clicked, this, &FrmRegistro::cmdEntra_Click);
}

void FrmRegistro::buildClassPanel(QWidget *area)
{
    const QFont text = Controls::arial(12);
    fraClasse = Controls::panel(area, QStringLiteral("fraClasse"), TeacherLook::background());
    QLabel *find =
        Controls::label(fraClasse, QStringLiteral("lblCerca"), QStringLiteral("Cerca:"), text);
    txtCerca = new QLineEdit(fraClasse);
    txtCerca->setObjectName(QStringLiteral("txtCerca"));
    txtCerca->setFont(text);
    txtCerca->setAccessibleName(QStringLiteral("Cerca un alunno"));
    txtCerca->setFixedWidth(Twips::toPixels(4000));
    cmdCambia = Controls::button(fraClasse, QStringLiteral("cmdCambia"),
        QStringLiteral("CAMBIA PASSWORD"), Controls::arial(9.75, true));
    cmdCambia->setMinimumSize(Twips::toPixels(3300), Twips::toPixels(450));
    Controls::setBackground(cmdCambia, TeacherLook::background());
    connect(cmdCambia, &QPushButton::clicked, this, &FrmRegistro::cmdCambia_Click);
    // What the chosen pupil's, or the class's, next "Allenamento di oggi" practises.
    cmdAssegna = Controls::button(fraClasse, QStringLiteral("cmdAssegna"),
        QStringLiteral("ASSEGNA"), Controls::arial(9.75, true));
    cmdAssegna->setMinimumSize(Twips::toPixels(1800), Twips::toPixels(450));
    Controls::setBackground(cmdAssegna, TeacherLook::background());
    connect(cmdAssegna, &QPushButton::clicked, this, &FrmRegistro::cmdAssegna_Click);
    // The chosen pupil's accommodations.
    cmdMisure = Controls::button(fraClasse, QStringLiteral("cmdMisure"), QStringLiteral("MISURE"),
        Controls::arial(9.75, true));
    cmdMisure->setMinimumSize(Twips::toPixels(1800), Twips::toPixels(450));
    Controls::setBackground(cmdMisure, TeacherLook::background());
    cmdMisure->setEnabled(false);
    connect(cmdMisure, &QPushButton::clicked, this, &FrmRegistro::cmdMisure_Click);
    auto *search = new QHBoxLayout;
    search->addWidget(find);
    search->addWidget(txtCerca);
    search->addStretch(1);
    search->addWidget(cmdMisure);
    search->addWidget(cmdAssegna);
    search->addWidget(cmdCambia);

    tblClasse = new ClassTable(fraClasse);
    connect(txtCerca, &QLineEdit::textChanged, tblClasse, &ClassTable::filterRows);
    connect(tblClasse, &QTableWidget::itemSelectionChanged, this, &FrmRegistro::showPupil);
    connect(tblClasse, &QTableWidget::itemSelectionChanged, this, &FrmRegistro::offerMeasures);
    lblCarico = Controls::label(fraClasse, QStringLiteral("lblCarico"), QString(), text);
    lblCarico->hide();

    m_pupil = new PupilPanel(fraClasse, m_roles.charts, TeacherLook::background());
    connect(m_pupil->sessionsTable(), &QTableWidget::cellDoubleClicked, this,
        &FrmRegistro::cmdOperazioni_Click);
    connect(
        m_pupil->reportButton(), &QPushButton::clicked, this, &FrmRegistro::cmdOperazioni_Click);
    connect(m_pupil->analysisButton(), &QPushButton::clicked, this, &FrmRegistro::cmdAnalisi_Click);

    lblStato = Controls::label(fraClasse, QStringLiteral("lblStato"), QString(), text);
    lblStato->setWordWrap(true);
    lblEsito = Controls::label(fraClasse, QStringLiteral("lblEsito"), QString(), text);
    lblEsito->setWordWrap(true);
    Controls::setTextColour(lblEsito, TeacherLook::darkRed());

    // The class takes what the window gives, the chosen pupil's part after it.
    auto *column = new QVBoxLayout(fraClasse);
    column->setContentsMargins(0, Twips::toPixels(120), 0, 0);
    column->addLayout(search);
    column->addWidget(lblCarico);
    column->addWidget(tblClasse, 5);
    column->addWidget(m_pupil, 2);
    column->addWidget(lblStato);
    column->addWidget(lblEsito);
    tblClasse->setMinimumHeight(Twips::toPixels(2100));
    m_pupil->setMinimumHeight(Twips::toPixels(3150));
}
