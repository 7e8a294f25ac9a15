// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/PagePrinting.h"
#include "frame/Screen.h"

#include <array>

class QAction;
class QLabel;
class QMenu;
class PageDrawing;
class QPushButton;
class ScreenRegistry;
class SpokenStop;
struct SessionRecord;

// The operations report: the session's record lines in four columns, one per exercise, with
// each exercise's total time, in a Courier face from the printer's font list. It shows the
// session as it is whenever it comes to the front, and prints the same lines on one page,
// or saves that page as a PDF file.
class FrmStampa : public Screen
{
    Q_OBJECT

public:
    // Current: the session of this run. Stored: a session the teacher read back from the
    // register, whose analysis is the stored one and which has no certificate to show.
    enum class Kind { Current, Stored };

    // The page roles give the printer's fonts, the messages and the way out for the page.
    FrmStampa(SessionRecord &session, ScreenRegistry &screens, PagePrinting::Roles roles,
        Kind kind = Kind::Current);

    // Prints the header, the records and the four exercise times on one page.
    void printOperations();
    // Takes the focus to the print button when the exercise screen's button asked for it.
    void readSession() override;

protected:
    void onActivate() override;
    void showEvent(QShowEvent *event) override;

private slots:
    void Command1_Click();
    void CmdStampaS_Click();
    void Command2_Click();
    void mnuEsci_Click();
    // Saves the printed page as a PDF file.
    void mnuSalvaPdf_Click();

private:
    void buildControls();
    void Form_Load();
    void fill();
    QString courierForPage();
    PrintPage page(const QString &fontName);
    void drawPage(PageDrawing &printer, const QString &fontName);
    void printHeader(PageDrawing &printer);

    SessionRecord &m_session;
    ScreenRegistry &m_screens;
    PagePrinting::Roles m_roles;
    Kind m_kind;
    QString m_fontName; // the Courier name found, empty when the printer has none

    QMenu *MnuFile = nullptr;
    QAction *mnuSalvaPdf = nullptr;
    QAction *mnuAnalisi = nullptr;
    QAction *MnuEsci = nullptr;
    QLabel *Label5 = nullptr;
    std::array<QLabel *, 41> LblOp {}; // indices 1 to 40
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *lblMisure = nullptr; // the pupil's measures, made when there are any
    // The records and time boxes in words, reached by Tab after the buttons.
    std::array<SpokenStop *, 41> m_recordWords {};
    std::array<SpokenStop *, 4> m_timeWords {};
    QPushButton *Command1 = nullptr;
    QPushButton *cmdStampaS = nullptr;
    QPushButton *Command2 = nullptr;
};
