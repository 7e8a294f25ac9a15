// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RandomSource.h"
#include "frame/Screen.h"
#include "review/ReviewSequence.h"

#include <memory>

class AnswerDrill;
class AnswerField;
class ColumnWorkingView;
class QLabel;
class QPushButton;
class Services;
struct SessionRecord;

// "RIPASSO": the operations the pupil missed, asked again among known ones in the order of a
// Review::Sequence, with the exercise screen's look and its answer drill.
// It is practice: nothing of the session changes but the review's outcome, noted at its end.
class FrmRipasso : public Screen
{
    Q_OBJECT

public:
    FrmRipasso(SessionRecord &session, Services &services);

    void readSession() override;

private:
    void buildControls();
    void ask();
    void check();
    void next();
    void finish();
    // The worked solution in the keypad's place, or the keypad back.
    void showWorking(bool shown);

    SessionRecord &m_session;
    Services &m_services;
    MixingRandomSource m_random;
    std::unique_ptr<Review::Sequence> m_sequence;
    QString m_expected;

    QLabel *lblTitolo = nullptr;
    QLabel *lblDomanda = nullptr;
    // The operation panel frmNumero with TxtRisultato, LblEsito, LblIstruzione and the keypad
    // fraTastierino.
    AnswerDrill *m_drill = nullptr;
    AnswerField *TxtRisultato = nullptr;
    QLabel *lblGiusto = nullptr;
    ColumnWorkingView *picColonna = nullptr;
    QLabel *lblFine = nullptr;
    QPushButton *cmdVerifica = nullptr;
    QPushButton *cmdAvanti = nullptr;
    QPushButton *cmdTorna = nullptr;
};
