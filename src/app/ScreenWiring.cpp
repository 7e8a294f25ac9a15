// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "app/ScreenWiring.h"

#include "analysis/FrmAnalisi.h"
#include "app/FrmSfondo.h"
#include "certificate/FrmAttestato.h"
#include "exercise/FrmOperativoMeno.h"
#include "frame/ScreenRegistry.h"
#include "frame/Services.h"
#include "map/FrmMappa.h"
#include "progress/FrmProgressi.h"
#include "report/FrmStampa.h"
#include "review/FrmRipasso.h"
#include "scale/FrmValutazione.h"
#include "start/FrmInizio.h"
#include "teacher/FrmRegistro.h"

void registerScreens(ScreenRegistry &registry, SessionRecord &session, Services &services)
{
    // The session the teacher chose in the register, beside the pupil's own.
    static SessionRecord stored;
    registry.setFactory(ScreenId::Background, [&] { return new FrmSfondo(session, services); });
    registry.setFactory(ScreenId::Start, [&] {
        return new FrmInizio(session, services.screens(), services, services, services, services);
    });
    registry.setFactory(ScreenId::Exercise, [&] {
        return new FrmOperativoMeno(session,
            { services, services, services, services, services, services.screens(),
                services.random(), services.pupilRegister() });
    });
    registry.setFactory(ScreenId::Scale, [] { return new FrmValutazione; });
    registry.setFactory(
        ScreenId::Report, [&] { return new FrmStampa(session, services.screens(), services); });
    registry.setFactory(
        ScreenId::Certificate, [&] { return new FrmAttestato(session, services, services); });
    const FrmAnalisi::Roles analysis { services, services, services, services };
    registry.setFactory(
        ScreenId::Analysis, [&session, analysis] { return new FrmAnalisi(session, analysis); });
    registry.setFactory(ScreenId::Review, [&] {
        return new FrmRipasso(
            session, { services, services, services, services, services.pupilRegister() });
    });
    registry.setFactory(ScreenId::Register, [&] {
        return new FrmRegistro(
            { services, services, services, services, services.screens(), services }, stored);
    });
    registry.setFactory(ScreenId::StoredReport, [&] {
        return new FrmStampa(stored, services.screens(), services, FrmStampa::Kind::Stored);
    });
    registry.setFactory(
        ScreenId::StoredAnalysis, [analysis] { return new FrmAnalisi(stored, analysis); });
    registry.setFactory(ScreenId::Progress, [&] {
        return new FrmProgressi(session, services, services, services, services.screens());
    });
    registry.setFactory(ScreenId::Map, [&] { return new FrmMappa(session, services, services); });
}
