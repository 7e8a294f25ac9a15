// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PracticeMap.h"
#include "frame/Screen.h"

#include <array>
#include <memory>

class Clock;
class QLabel;
class QPushButton;
class QTableWidget;
class RegisterReading;
struct SessionRecord;
namespace Register {
class ReaderThread;
}

// "La mia mappa": the families of subtraction in the order they are learned, each a large
// coloured step saying "da iniziare", "in allenamento" or "imparata il gg/mm", the same facts
// in a table a screen reader reads, and a sentence for a family learned today. Read from the
// register whenever the screen is shown.
class FrmMappa : public Screen
{
    Q_OBJECT

public:
    FrmMappa(SessionRecord &session, Clock &clock, RegisterReading &reading);
    ~FrmMappa() override;

    void readSession() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void showSteps(const QList<Practice::MapStep> &steps);
    void focusStep();

    SessionRecord &m_session;
    Clock &m_clock;
    RegisterReading &m_reading;
    std::unique_ptr<Register::ReaderThread> m_reader; // opened on the first reading
    int m_readings = 0; // only the last reading's result is shown

    QLabel *lblTitolo = nullptr;
    QLabel *lblFrase = nullptr;
    std::array<QLabel *, Practice::FamilyCount> lblPasso {};
    QTableWidget *tblMappa = nullptr;
    QPushButton *cmdEsci = nullptr;
};
