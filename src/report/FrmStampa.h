#pragma once

#include "ui/Screen.h"

class Services;
struct SessionRecord;

class FrmStampa : public Screen
{
    Q_OBJECT

public:
    FrmStampa(SessionRecord &session, Services &services);

private:
    SessionRecord &m_session;
    Services &m_services;
};
