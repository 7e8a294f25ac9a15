// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/ScreenRegistry.h"

#include <algorithm>

ScreenRegistry::~ScreenRegistry()
{
    // The registry owns the screens still open when it goes.
    const auto open = m_screens.values();
    for (const QPointer<Screen> &screen : open)
        delete screen.data();
}

void ScreenRegistry::setFactory(ScreenId id, Factory factory)
{
    m_factories.insert(id, std::move(factory));
}

QList<ScreenId> ScreenRegistry::registered() const
{
    QList<ScreenId> ids = m_factories.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

Screen *ScreenRegistry::existing(ScreenId id) const
{
    return m_screens.value(id).data();
}

Screen *ScreenRegistry::get(ScreenId id)
{
    if (Screen *screen = existing(id))
        return screen;
    const auto factory = m_factories.constFind(id);
    if (factory == m_factories.constEnd())
        return nullptr;
    Screen *screen = (*factory)();
    m_screens.insert(id, screen);
    QObject::connect(screen, &Screen::closed, screen, [this, id, screen] {
        if (m_screens.value(id) == screen)
            m_screens.remove(id);
    });
    return screen;
}

Screen *ScreenRegistry::show(ScreenId id)
{
    Screen *screen = get(id);
    if (!screen)
        return nullptr;
    screen->show();
    screen->readSession();
    screen->raise();
    screen->activateWindow();
    return screen;
}

void ScreenRegistry::close(ScreenId id)
{
    if (Screen *screen = existing(id))
        screen->close();
}
