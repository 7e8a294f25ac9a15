// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "analysis/PracticeSheet.h"
#include "core/ErrorSummary.h"
#include "core/Hypothesis.h"
#include "frame/PagePrinting.h"
#include "frame/Screen.h"

#include <array>
#include <memory>

class Clock;
class Messages;
class Printing;
class QLabel;
class QPushButton;
class RegisterReading;
class SpokenStop;
namespace Register {
class ReaderThread;
}

// The analysis of the errors, for the teacher: which kinds of subtraction the pupil masters and
// which wrong procedures recur. It reads the session whenever it comes to the front and prints
// the same analysis on one page, or a practice sheet for the error found.
class FrmAnalisi : public Screen
{
    Q_OBJECT

public:
    struct Roles
    {
        Clock &clock;
        Messages &messages;
        Printing &printing;
        RegisterReading &reading;
    };

    FrmAnalisi(SessionRecord &session, Roles roles);
    ~FrmAnalisi() override;

    void printAnalysis();
    void printSheet();

protected:
    void onActivate() override;
    void showEvent(QShowEvent *event) override;

private slots:
    void cmdStampaA_Click();
    void cmdEsci_Click();
    void cmdStampaScheda_Click();

private:
    static constexpr int Columns = 5;
    static constexpr int Rows = 1 + Analysis::KindCount; // the titles, then one row per kind
    // Every error's sentence at most, and the review's line.
    static constexpr int MostErrorLines = Analysis::ErrorCount + 1;

    void buildControls();
    void fill();
    // Shows the sentences of the errors, the recurring ones first.
    void showSentences(const QStringList &sentences);
    // Reads the pupil's days from the register, then adds each recurring error's state over
    // them to its sentence; nothing when the register is off.
    void readHypotheses(const Analysis::Summary &summary);
    QStringList hypothesisNotes(
        const Analysis::Summary &summary, QList<Hypothesis::DatedTallies> sessions);
    PagePrinting::Roles printRoles() const;
    PrintPage page();
    PrintPage sheetPage();
    PracticeSheet::Sheet practiceSheet() const;
    // Today's, or the day of a session read back from the register.
    QString sessionDate() const;

    SessionRecord &m_session;
    Roles m_roles;
    std::unique_ptr<Register::ReaderThread> m_reader; // opened on the first recurring error
    int m_readings = 0; // only the last reading's result is shown
    QStringList m_notes; // the recurring errors' notes on show, for the printed page

    QLabel *lblTitolo = nullptr;
    std::array<QLabel *, 3> lblIntestazione {};
    QLabel *lblMisure = nullptr; // the pupil's measures, made when there are any
    std::array<std::array<QLabel *, Columns>, Rows> lblTabella {};
    QLabel *lblErrori = nullptr;
    std::array<QLabel *, MostErrorLines> lblErrore {};
    // The heading, each row of the table and each sentence in words, reached by Tab after the
    // buttons.
    std::array<SpokenStop *, 3> m_headingWords {};
    std::array<SpokenStop *, Rows> m_rowWords {};
    std::array<SpokenStop *, MostErrorLines> m_errorWords {};
    QPushButton *cmdEsci = nullptr;
    QPushButton *cmdStampaA = nullptr;
    QPushButton *cmdStampaScheda = nullptr;
};
