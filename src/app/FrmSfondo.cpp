// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "app/FrmSfondo.h"

#include "frame/Colour.h"
#include "frame/ScreenRegistry.h"
#include "frame/Services.h"

#include <QApplication>

FrmSfondo::FrmSfondo(SessionRecord &, Services &services) : m_services(services)
{
    setObjectName(QStringLiteral("frmSfondo"));
    // No frame, and always beneath the program's other windows. Not a tool window: on X11 a
    // tool window without a parent is made transient for the whole program, and window
    // managers then keep it above the start screen it should lie behind.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    // Seen only in a task bar.
    setWindowTitle(QStringLiteral("VOVORUDOROZ.1 (sfondo)"));
    setWindowIcon(QApplication::windowIcon());

    setClientColour(Colour::rgb(192, 255, 192));

    setClientSize(10695, 9510);
    centreOnScreen();
    Form_Load();
}

void FrmSfondo::Form_Load()
{
    show();
    m_services.screens().show(ScreenId::Start);
}

void FrmSfondo::onBackgroundClick()
{
    m_services.screens().show(ScreenId::Start);
}
