// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "start/MeasuresLoad.h"

#include "core/MeasureValues.h"
#include "core/PupilKey.h"
#include "core/ReaderThread.h"
#include "core/SessionRecord.h"
#include "frame/ScreenRegistry.h"

MeasuresLoad::MeasuresLoad(QObject *parent, SessionRecord &session, ScreenRegistry &screens)
    : QObject(parent), m_session(session), m_screens(screens)
{
}

MeasuresLoad::~MeasuresLoad() = default;

void MeasuresLoad::load(Register::ReaderThread *reader)
{
    m_session.PupilMeasures = {};
    const int loading = ++m_loading;
    auto keep = [this, loading, name = m_session.PupilName](
                    const Measures::PupilMeasures &measures, bool failed) {
        if (loading == m_loading && name == m_session.PupilName && !failed
            && !m_screens.existing(ScreenId::Exercise))
            m_session.PupilMeasures = measures;
    };
    if (reader) {
        reader->run(
            [key = pupilKey(m_session.PupilName)](Register::Opened &opened) {
                return opened.reader ? opened.reader->measures(key) : Measures::PupilMeasures();
            },
            keep);
        return;
    }
    // The settings file is read in a thread of its own too: no register is opened for it.
    if (!m_settings)
        m_settings = std::make_unique<Register::ReaderThread>([] { return Register::Opened(); });
    m_settings->run([](Register::Opened &) { return Measures::measuresOfThisPc(); }, keep);
}
