// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The sound module: one QSoundEffect, reused for every play.

#include "desktop/SoundPlayer.h"

#include <QSoundEffect>
#include <QUrl>

namespace {

class QtSoundPlayer final : public SoundPlayer
{
public:
    void play(const QString &path) override
    {
        const QUrl source = QUrl::fromLocalFile(path);
        if (m_effect.source() != source)
            m_effect.setSource(source);
        m_effect.play();
    }

private:
    QSoundEffect m_effect;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundPlayer *vovorudorozCreateSoundPlayer()
{
    return new QtSoundPlayer;
}
