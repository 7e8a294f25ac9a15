#include "FakeProgram.h"

#include "session/ScreenWiring.h"

FakeProgram::FakeProgram()
{
    registerScreens(services.registry, session, services);
    services.registry.get(ScreenId::Background);
}

FakeProgram::~FakeProgram()
{
    flushDeletedScreens();
}
