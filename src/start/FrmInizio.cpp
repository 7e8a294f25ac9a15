#include "start/FrmInizio.h"

#include "session/SessionRecord.h"
#include "ui/Services.h"

FrmInizio::FrmInizio(SessionRecord &session, Services &services)
    : m_session(session)
    , m_services(services)
{
    setObjectName(QStringLiteral("FrmInizio"));
    setWindowTitle(QStringLiteral("VOVORUDOROZ.1"));
    setClientSize(11880, 8310);
}
