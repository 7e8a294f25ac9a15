// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/Screen.h"

class QFrame;
class QLabel;

// The marks scale of the certificate and how the certificate is used: fixed texts, nothing to
// press. A click on the bare background closes it; it lives on its own, whatever the start
// screen does. It needs neither the session nor any service.
class FrmValutazione : public Screen
{
    Q_OBJECT

public:
    FrmValutazione();

protected:
    void onBackgroundClick() override;

private:
    QFrame *Frame1 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
    QFrame *Frame2 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label10 = nullptr;
};
