// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "teacher/FrmMisure.h"

#include "core/ReaderThread.h"
#include "frame/Controls.h"
#include "frame/Twips.h"
#include "teacher/TeacherLook.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &text, int top)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setFont(Controls::arial(11));
    Controls::place(box, 240, top, 6120, 330);
    return box;
}

} // namespace

FrmMisure::FrmMisure(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmMisure"));
    setWindowTitle(QStringLiteral("MISURE — ") + TeacherLook::title());
    setWindowModality(Qt::WindowModal);
    Controls::setBackground(this, TeacherLook::background());
    setFixedSize(Twips::toPixels(6600), Twips::toPixels(4560));
    const QFont text = Controls::arial(11);
    const QFont buttons = Controls::arial(9.75, true);

    lblAlunno = Controls::label(this, QStringLiteral("lblAlunno"), QString(), text);
    Controls::place(lblAlunno, 240, 180, 6120, 300);
    chkTempoNascosto =
        checkBox(this, QStringLiteral("chkTempoNascosto"), QStringLiteral("Tempo nascosto"), 660);
    chkMenoOperazioni = checkBox(
        this, QStringLiteral("chkMenoOperazioni"), QStringLiteral("Meno operazioni"), 1080);
    spnOperazioni = new QSpinBox(this);
    spnOperazioni->setObjectName(QStringLiteral("spnOperazioni"));
    spnOperazioni->setFont(text);
    spnOperazioni->setRange(Measures::SmallestExerciseSize, Measures::FullExerciseSize);
    spnOperazioni->setValue(Measures::SmallestExerciseSize);
    spnOperazioni->setAccessibleName(QStringLiteral("operazioni per esercizio"));
    Controls::place(spnOperazioni, 600, 1440, 900, 390);
    QLabel *perExercise = Controls::label(
        this, QStringLiteral("lblOperazioni"), QStringLiteral("operazioni per esercizio"), text);
    Controls::place(perExercise, 1620, 1470, 4740, 330);
    perExercise->setBuddy(spnOperazioni);
    chkLeggi =
        checkBox(this, QStringLiteral("chkLeggi"), QStringLiteral("Leggi ad alta voce"), 1980);
    chkContrasto = checkBox(this, QStringLiteral("chkContrasto"),
        QStringLiteral("Caratteri grandi e alto contrasto"), 2400);
    chkAiuto = checkBox(
        this, QStringLiteral("chkAiuto"), QStringLiteral("Aiuto (linea dei numeri)"), 2820);

    lblAvviso = Controls::label(this, QStringLiteral("lblAvviso"), QString(), text);
    Controls::setTextColour(lblAvviso, TeacherLook::darkRed());
    lblAvviso->setWordWrap(true);
    Controls::place(lblAvviso, 240, 3240, 6120, 480);

    cmdSalva = Controls::button(this, QStringLiteral("cmdSalva"), QStringLiteral("SALVA"), buttons);
    cmdAnnulla =
        Controls::button(this, QStringLiteral("cmdAnnulla"), QStringLiteral("Annulla"), buttons);
    Controls::place(cmdSalva, 240, 3840, 1680, 480);
    Controls::place(cmdAnnulla, 4800, 3840, 1560, 480);
    for (QPushButton *button : { cmdSalva, cmdAnnulla })
        Controls::setBackground(button, TeacherLook::background());
    cmdSalva->setDefault(true);

    connect(chkMenoOperazioni, &QCheckBox::toggled, spnOperazioni, &QSpinBox::setEnabled);
    connect(cmdSalva, &QPushButton::clicked, this, &FrmMisure::cmdSalva_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmMisure::ask(
    Register::ReaderThread &reader, const QString &pupilKey, const QString &pupilName)
{
    m_reader = &reader;
    m_key = pupilKey;
    m_name = pupilName;
    m_readable = false;
    lblAlunno->setText(QStringLiteral("Alunno: ") + pupilName);
    showMeasures(Measures::PupilMeasures());
    setBusy(true);
    lblAvviso->setText(QStringLiteral("Carico…"));
    open();
    const int asking = ++m_asking;
    m_reader->run(
        [pupilKey](Register::Opened &opened) { return opened.reader->measures(pupilKey); },
        [this, asking](const Measures::PupilMeasures &measures, bool failed) {
            if (asking != m_asking)
                return;
            // Saving over measures never read could take away the ones the pupil has.
            m_readable = !failed;
            setBusy(false);
            if (failed) {
                lblAvviso->setText(QStringLiteral(
                    "Il registro non si può leggere: le misure non si possono cambiare ora."));
                return;
            }
            lblAvviso->clear();
            showMeasures(measures);
            chkTempoNascosto->setFocus();
        });
}

void FrmMisure::showMeasures(const Measures::PupilMeasures &measures)
{
    chkTempoNascosto->setChecked(measures.timeHidden);
    const bool fewer = measures.exerciseSize < Measures::FullExerciseSize;
    chkMenoOperazioni->setChecked(fewer);
    spnOperazioni->setValue(fewer ? measures.exerciseSize : Measures::SmallestExerciseSize);
    spnOperazioni->setEnabled(fewer && m_readable);
    chkLeggi->setChecked(measures.readAloud);
    chkContrasto->setChecked(measures.largeContrast);
    chkAiuto->setChecked(measures.aidOffered);
}

Measures::PupilMeasures FrmMisure::chosen() const
{
    Measures::PupilMeasures measures;
    measures.timeHidden = chkTempoNascosto->isChecked();
    if (chkMenoOperazioni->isChecked())
        measures.exerciseSize = spnOperazioni->value();
    measures.readAloud = chkLeggi->isChecked();
    measures.largeContrast = chkContrasto->isChecked();
    measures.aidOffered = chkAiuto->isChecked();
    return measures;
}

void FrmMisure::setBusy(bool busy)
{
    for (QWidget *control : std::initializer_list<QWidget *> {
             chkTempoNascosto, chkMenoOperazioni, chkLeggi, chkContrasto, chkAiuto })
        control->setEnabled(!busy && m_readable);
    spnOperazioni->setEnabled(!busy && m_readable && chkMenoOperazioni->isChecked());
    cmdSalva->setEnabled(!busy && m_readable);
}

void FrmMisure::cmdSalva_Click()
{
    if (!m_reader || !m_readable)
        return;
    setBusy(true);
    lblAvviso->setText(QStringLiteral("Salvo…"));
    const int asking = m_asking;
    m_reader->run(
        [key = m_key, measures = chosen()](
            Register::Opened &opened) { return opened.reader->setMeasures(key, measures); },
        [this, asking](bool changed, bool) {
            if (asking != m_asking)
                return;
            setBusy(false);
            if (!changed) {
                lblAvviso->setText(QStringLiteral(
                    "Il registro non si può modificare: le misure non sono cambiate."));
                return;
            }
            accept();
            emit saved(m_name);
        });
}
