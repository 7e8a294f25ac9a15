#include "exercise/FrmOperativoMeno.h"

#include "session/SessionRecord.h"
#include "ui/Services.h"

FrmOperativoMeno::FrmOperativoMeno(SessionRecord &session, Services &services)
    : m_session(session)
    , m_services(services)
{
    setObjectName(QStringLiteral("FrmOperativoMeno"));
    setWindowTitle(QStringLiteral("ESERCIZI SULLE VOVORUDOROZ.1"));
    setClientSize(11910, 8340);
}
