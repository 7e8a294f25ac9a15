#include "report/FrmStampa.h"

#include "session/SessionRecord.h"
#include "ui/Services.h"

FrmStampa::FrmStampa(SessionRecord &session, Services &services)
    : m_session(session)
    , m_services(services)
{
    setObjectName(QStringLiteral("FrmStampa"));
    setWindowTitle(QStringLiteral("STAMPA DELLE OPERAZIONI"));
    setClientSize(11910, 8340);
}
