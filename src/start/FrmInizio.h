#pragma once

#include "ui/Screen.h"

class Services;
struct SessionRecord;

class FrmInizio : public Screen
{
    Q_OBJECT

public:
    FrmInizio(SessionRecord &session, Services &services);

private:
    SessionRecord &m_session;
    Services &m_services;
};
