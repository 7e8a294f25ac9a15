// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "review/ReviewSequence.h"
#include "core/RandomSource.h"
#include "frame/Screen.h"

#include <memory>

class AnswerField;
class ColumnWorkingView;
class Keypad;
class OperationPanel;
class QLabel;
class QPushButton;
class Services;
struct SessionRecord;

// "RIPASSO": the operations the pupil missed, asked again among known ones in the order of a
// Review::Sequence, with the exercise screen's look, operation panel, answer box and keypad.
// It is practice: nothing of the session changes but the review's outcome, noted at its end.
class FrmRipasso : public Screen
{
    Q_OBJECT

public:
    FrmRipasso(SessionRecord &session, Services &services);

    void readSession() override;

private:
    enum class Step { Asking, Judged, Finished };

    void buildControls();
    void ask();
    void check();
    void next();
    void finish();
    void setStep(Step step);
    void answerKey(int &keyAscii);
    void typeDigits(const QString &digits);
    void showVerdict(const QString &caption);

    SessionRecord &m_session;
    Services &m_services;
    MixingRandomSource m_random;
    std::unique_ptr<Review::Sequence> m_sequence;
    Step m_step = Step::Asking;
    QString m_expected;
    bool m_working = false; // the worked solution is on show

    QLabel *lblTitolo = nullptr;
    QLabel *lblDomanda = nullptr;
    OperationPanel *frmNumero = nullptr;
    AnswerField *TxtRisultato = nullptr;
    Keypad *fraTastierino = nullptr;
    QLabel *LblEsito = nullptr;
    QLabel *lblGiusto = nullptr;
    ColumnWorkingView *picColonna = nullptr;
    QLabel *lblFine = nullptr;
    QPushButton *cmdVerifica = nullptr;
    QPushButton *cmdAvanti = nullptr;
    QPushButton *cmdTorna = nullptr;
    QLabel *LblIstruzione = nullptr;
};
