#pragma once

#include "ui/Screen.h"

class Services;
struct SessionRecord;

class FrmSfondo : public Screen
{
    Q_OBJECT

public:
    FrmSfondo(SessionRecord &session, Services &services);

private:
    SessionRecord &m_session;
    Services &m_services;
};
