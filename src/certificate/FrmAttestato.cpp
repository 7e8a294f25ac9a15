#include "certificate/FrmAttestato.h"

#include "session/SessionRecord.h"
#include "ui/Services.h"

FrmAttestato::FrmAttestato(SessionRecord &session, Services &services)
    : m_session(session)
    , m_services(services)
{
    setObjectName(QStringLiteral("FrmAttestato"));
    setWindowTitle(QStringLiteral(""));
    setClientSize(12000, 9000);
}
