// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/Screen.h"

class Services;
struct SessionRecord;

// The plain background that lies behind the program's working screens. Creating it starts the
// program: it shows itself and opens the start screen above it; a click on it brings the start
// screen back to the front. Only the start screen's exits close it, and it never keeps the
// program running on its own.
class FrmSfondo : public Screen
{
    Q_OBJECT

public:
    FrmSfondo(SessionRecord &session, Services &services);

protected:
    void onBackgroundClick() override;

private:
    void Form_Load();

    Services &m_services;
};
