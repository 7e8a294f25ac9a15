#pragma once

#include "ui/Screen.h"

class Services;
struct SessionRecord;

class FrmAttestato : public Screen
{
    Q_OBJECT

public:
    FrmAttestato(SessionRecord &session, Services &services);

private:
    SessionRecord &m_session;
    Services &m_services;
};
