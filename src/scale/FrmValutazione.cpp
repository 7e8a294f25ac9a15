#include "scale/FrmValutazione.h"

#include "session/SessionRecord.h"
#include "ui/Services.h"

FrmValutazione::FrmValutazione(SessionRecord &session, Services &services)
    : m_session(session)
    , m_services(services)
{
    setObjectName(QStringLiteral("FrmValutazione"));
    setWindowTitle(QStringLiteral("SCALA  DI  VALUTAZIONE"));
    setClientSize(7215, 4620);
}
