// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/Screen.h"

class Clock;
class NameField;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class Launcher;
class MeasuresLoad;
class Messages;
class QPushButton;
class RegisterReading;
class ScreenRegistry;
class TodayEntry;
struct SessionRecord;
namespace StartChoices {
struct Mode;
}

// The start screen. The pupil types a name in the name panel (Frame2), which covers the range
// panel (Frame1) until the name is accepted; then picks a mode in Combo1 and presses a range
// button. The range goes into the session record, Smistamento adds the mode, colours the
// exercise screen for it and opens it. The screen stays open behind the others for the whole
// run; each of its exits closes the background screen and itself, and nothing else.
class FrmInizio : public Screen
{
    Q_OBJECT

public:
    FrmInizio(SessionRecord &session, ScreenRegistry &screens, Messages &messages,
        Launcher &launcher, RegisterReading &reading, Clock &clock);

protected:
    void onClose() override;

private slots:
    void cmdAvanti_Click();
    void cmdFine_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command9_Click();
    void Combo1_Change(int index);
    void mnuEsci_Click();
    void mnuInfo_Click();
    void mnuValutazione_Click();

private:
    void buildMenus();
    void buildTitle();
    void buildRangePanel();
    void buildNamePanel();
    void buildCredits();
    void setUpTabOrder();
    void Form_Load();

    void TxtNome_KeyPress(int &KeyAscii);
    void nameCheck();
    void askForName();
    void acceptName();

    void chooseRange(int button);
    void Smistamento();
    void propriet1();
    void propriet2();
    void propriet3();
    // Stores the mode's colours; the exercise screen takes them from the session when shown.
    void setUpMode(const StartChoices::Mode &mode);
    void exits();

    SessionRecord &m_session;
    ScreenRegistry &m_screens;
    Messages &m_messages;
    Launcher &m_launcher;

    QMenu *mnuFile = nullptr;
    QAction *mnuEsci = nullptr;
    QAction *mnuInfo = nullptr;
    QAction *mnuValutazione = nullptr;
    QAction *mnuRegistro = nullptr; // the teacher's register of the class

    QFrame *frmTitolo = nullptr;
    QFrame *Shape1 = nullptr;
    QFrame *Shape2 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label9 = nullptr;

    QComboBox *Combo1 = nullptr;

    QFrame *Frame1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command9 = nullptr;
    TodayEntry *m_today = nullptr; // "Allenamento di oggi", beside the range buttons
    MeasuresLoad *m_measures = nullptr; // the pupil's accommodations, read at the name

    QFrame *Frame2 = nullptr;
    QLabel *Label4 = nullptr;
    NameField *txtNome = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label8 = nullptr;
    QPushButton *cmdAvanti = nullptr;
    QPushButton *cmdFine = nullptr;

    QLabel *Label6 = nullptr;
    QLabel *Label1 = nullptr;
};
