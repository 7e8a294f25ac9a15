#include "session/FrmSfondo.h"

#include "ui/Colour.h"
#include "ui/ScreenRegistry.h"
#include "ui/Services.h"

#include <QApplication>

FrmSfondo::FrmSfondo(SessionRecord &, Services &services) : m_services(services)
{
    setObjectName(QStringLiteral("frmSfondo"));
    // No frame, no task bar entry.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Form1"));
    setWindowIcon(QApplication::windowIcon());

    QPalette palette = client()->palette();
    palette.setColor(QPalette::Window, Colour::rgb(192, 255, 192));
    client()->setPalette(palette);
    client()->setAutoFillBackground(true);

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
