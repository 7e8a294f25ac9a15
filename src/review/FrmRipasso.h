// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "review/ReviewSequence.h"
#include "ui/RandomSource.h"
#include "ui/Screen.h"

#include <memory>

class AnswerField;
class Keypad;
class OperationPanel;
class QLabel;
class QPushButton;
class Services;
class SpokenLabel;
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

    QLabel *lblTitolo = nullptr;
    QLabel *lblDomanda = nullptr;
    OperationPanel *frmNumero = nullptr;
    AnswerField *TxtRisultato = nullptr;
    Keypad *fraTastierino = nullptr;
    QLabel *LblEsito = nullptr;
    QLabel *lblGiusto = nullptr;
    QLabel *lblFine = nullptr;
    QPushButton *cmdVerifica = nullptr;
    QPushButton *cmdAvanti = nullptr;
    QPushButton *cmdTorna = nullptr;
    // The verdict and the closing sentence, heard before the name of the button they go with.
    SpokenLabel *m_verdict = nullptr;
    SpokenLabel *m_ending = nullptr;
    QLabel *LblIstruzione = nullptr;
};
