// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/TodayPlan.h"

#include <QDialog>
#include <QList>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "ASSEGNA": what the next "Allenamento di oggi" of the chosen pupil, or of every pupil of the
// class, must practise until it is learned or the teacher changes it: the families, in teaching
// order, and the range, or the pupil's history to choose it. Or no assignment at all. It never
// blocks: the choice comes back through `chosen`.
class FrmAssegna final : public QDialog
{
    Q_OBJECT

public:
    struct Choice
    {
        bool wholeClass = false;
        std::optional<Practice::Assignment> assignment; // none: the assignment is taken away
    };

    explicit FrmAssegna(QWidget *parent);

    // Shows the dialog for the chosen pupil with the pupil's assignment, or for the class alone
    // when no pupil is chosen (an empty name).
    void ask(const QString &pupilName, const std::optional<Practice::Assignment> &current);

signals:
    void chosen(const FrmAssegna::Choice &choice);

private:
    void cmdSalva_Click();
    void cmdTogli_Click();
    void choose(std::optional<Practice::Assignment> assignment);

    QRadioButton *optAlunno = nullptr;
    QRadioButton *optClasse = nullptr;
    QList<QCheckBox *> chkFamiglia; // in teaching order
    QComboBox *cboLivello = nullptr; // "secondo la storia", then the six ranges
    QLabel *lblAvviso = nullptr;
    QPushButton *cmdSalva = nullptr;
    QPushButton *cmdTogli = nullptr;
    QPushButton *cmdAnnulla = nullptr;
};
