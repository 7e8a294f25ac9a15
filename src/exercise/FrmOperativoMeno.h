#pragma once

#include "ui/Screen.h"

class Services;
struct SessionRecord;

class FrmOperativoMeno : public Screen
{
    Q_OBJECT

public:
    FrmOperativoMeno(SessionRecord &session, Services &services);

private:
    SessionRecord &m_session;
    Services &m_services;
};
