#include "session/FrmSfondo.h"

#include "session/SessionRecord.h"
#include "ui/Services.h"

FrmSfondo::FrmSfondo(SessionRecord &session, Services &services)
    : m_session(session)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmSfondo"));
    setWindowTitle(QStringLiteral("Form1"));
    setClientSize(10695, 9510);
}
