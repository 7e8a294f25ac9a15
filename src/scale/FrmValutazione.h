#pragma once

#include "ui/Screen.h"

class Services;
struct SessionRecord;

class FrmValutazione : public Screen
{
    Q_OBJECT

public:
    FrmValutazione(SessionRecord &session, Services &services);

private:
    SessionRecord &m_session;
    Services &m_services;
};
