// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ReviewPractice.h"
#include "frame/Screen.h"

class AnswerDrill;
class AnswerField;
class ColumnWorkingView;
class QLabel;
class QPushButton;
class Clock;
class Launcher;
class Messages;
class PupilRegister;
class Sound;
struct SessionRecord;

// "RIPASSO": the operations the pupil missed, asked again among known ones as a Review::Practice
// says, with the exercise screen's look and its answer drill.
class FrmRipasso : public Screen
{
    Q_OBJECT

public:
    // The desktop's services this screen uses, one role each.
    struct Roles
    {
        Clock &clock;
        Messages &messages;
        Sound &sound;
        Launcher &launcher;
        PupilRegister &pupilRegister;
    };

    FrmRipasso(SessionRecord &session, const Roles &roles);

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
    Roles m_roles;
    Review::Practice m_practice;

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
