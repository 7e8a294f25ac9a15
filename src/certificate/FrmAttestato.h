// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/PagePrinting.h"
#include "frame/Screen.h"

#include <QList>

#include <utility>

class CertificateArt;
class PageDrawing;
class QFrame;
class QLabel;
class Launcher;
class QPushButton;
class SpokenStop;
struct SessionRecord;

// The certificate ("ATTESTATO"): the pupil's name, the objective, the mode, the range, the
// grade word, the count of right answers and the date on a small card to print, cut out and
// paste into the exercise book. Every activation works the texts out again from the session
// record, so answers given meanwhile on the exercise screen show up on return. The card is
// printed as an image of the window, at the size it has on screen, without the buttons, or
// saved as a PDF file of the same page (Ctrl+S, or when there is no printer).
class FrmAttestato : public Screen
{
    Q_OBJECT

public:
    // The page roles give today's date too; the launcher ends the program from "FINE".
    FrmAttestato(SessionRecord &session, PagePrinting::Roles roles, Launcher &launcher);

protected:
    void onActivate() override { Form_Activate(); }

private slots:
    void Command2_Click();
    void Command1_Click();
    void cmdFine_Click();
    void savePdf();

private:
    void Form_Activate();
    PrintPage page();
    void drawPage(PageDrawing &printer);
    void setButtonsVisible(bool visible);
    void focusFirstEnabledButton();
    QString spokenText(const QLabel *label) const;

    SessionRecord &m_session;
    PagePrinting::Roles m_roles;
    Launcher &m_launcher;

    QFrame *Frame2;
    QFrame *Frame1;
    CertificateArt *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *lblNome;
    QLabel *lblMotivo;
    QLabel *lblObiettivo1;
    QLabel *lblObiettivo3;
    QLabel *lblObiettivo2;
    QLabel *Label3;
    QLabel *lblRapporto;
    QLabel *lblPerche;
    QLabel *lblData;
    QLabel *lblMisure = nullptr; // the pupil's measures, made when there are any
    // Every text of the card in words, reached by Tab after the buttons.
    QList<std::pair<QLabel *, SpokenStop *>> m_words;
    QPushButton *Command2;
    QPushButton *Command1;
    QPushButton *CmdFine;
};
