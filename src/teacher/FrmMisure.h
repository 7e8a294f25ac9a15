// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PupilMeasures.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
namespace Register {
class ReaderThread;
}

// "MISURE": the accommodations of the chosen pupil's personal plan, read from the register and
// kept there on "SALVA", both on the register's thread. Saving the default takes them away. A
// register that cannot be read or written says so in the dialog, which then changes nothing.
class FrmMisure final : public QDialog
{
    Q_OBJECT

public:
    explicit FrmMisure(QWidget *parent);

    // Opens on the pupil's measures, once the reader has them. The reader outlives the dialog's
    // use of it (the teacher's screen keeps both).
    void ask(Register::ReaderThread &reader, const QString &pupilKey, const QString &pupilName);

signals:
    void saved(const QString &pupilName);

private:
    void showMeasures(const Measures::PupilMeasures &measures);
    Measures::PupilMeasures chosen() const;
    void cmdSalva_Click();
    void setBusy(bool busy);

    Register::ReaderThread *m_reader = nullptr;
    QString m_key;
    QString m_name;
    int m_asking = 0; // only the last opening's reading is shown
    bool m_readable = false;

    QLabel *lblAlunno = nullptr;
    QCheckBox *chkTempoNascosto = nullptr;
    QCheckBox *chkMenoOperazioni = nullptr;
    QSpinBox *spnOperazioni = nullptr;
    QCheckBox *chkLeggi = nullptr;
    QCheckBox *chkContrasto = nullptr;
    QCheckBox *chkAiuto = nullptr;
    QLabel *lblAvviso = nullptr;
    QPushButton *cmdSalva = nullptr;
    QPushButton *cmdAnnulla = nullptr;
};
