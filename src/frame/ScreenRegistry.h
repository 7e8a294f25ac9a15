// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <functional>

#include "frame/Screen.h"

enum class ScreenId {
    Background, // frmSfondo
    Start, // FrmInizio
    Exercise, // FrmOperativoMeno
    Scale, // FrmValutazione
    Report, // FrmStampa
    Certificate, // FrmAttestato
    Analysis, // FrmAnalisi
    Review, // FrmRipasso
    Register, // FrmRegistro
    Progress, // FrmProgressi
    StoredReport, // FrmStampa on a session read back from the register
    StoredAnalysis, // FrmAnalisi on the same session
    Map, // FrmMappa
};

// Every screen exists at most once. The first access creates it through its factory, showing
// brings it to the front without blocking the caller, and once it has closed the next access
// creates it afresh.
class ScreenRegistry
{
public:
    using Factory = std::function<Screen *()>;

    ScreenRegistry() = default;
    ScreenRegistry(const ScreenRegistry &) = delete;
    ScreenRegistry &operator=(const ScreenRegistry &) = delete;
    ~ScreenRegistry();

    void setFactory(ScreenId id, Factory factory);
    // The screens that have a factory, in the order of ScreenId.
    QList<ScreenId> registered() const;

    // The open screen, or nullptr.
    Screen *existing(ScreenId id) const;
    // The screen, created on first access (nullptr only when no factory is known).
    Screen *get(ScreenId id);
    // Creates when needed, shows without blocking, raises and activates.
    Screen *show(ScreenId id);
    // Closing a screen that is not open does nothing.
    void close(ScreenId id);

    template <class T> T *get(ScreenId id) { return qobject_cast<T *>(get(id)); }
    template <class T> T *existing(ScreenId id) const { return qobject_cast<T *>(existing(id)); }

private:
    QHash<ScreenId, Factory> m_factories;
    QHash<ScreenId, QPointer<Screen>> m_screens;
};
