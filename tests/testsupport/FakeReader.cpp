// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeReader.h"

namespace {

// A password chosen and left empty: the register's screen opens straight on the class.
class OpenGate final : public PasswordGate
{
public:
    bool isChosen() override { return true; }
    bool isEmpty() override { return true; }
    bool isOnServer() const override { return false; }
    bool choose(const QString &) override { return false; }
    Check check(const QString &typed) override
    {
        return typed.isEmpty() ? Check::Right : Check::Wrong;
    }
    Check change(const QString &, const QString &) override { return Check::Wrong; }
    int secondsToWait() const override { return 0; }
};

} // namespace

Register::Opener FakeReader::opener(const Content &content)
{
    return [content] {
        Register::Opened opened;
        opened.reader = std::make_unique<FakeReader>(content);
        opened.password = std::make_unique<OpenGate>();
        return opened;
    };
}

void FakeReader::read()
{
    if (m_content.held)
        m_content.held->acquire();
    m_failed = m_content.failing;
}

QList<Register::PupilOverview> FakeReader::classOverview()
{
    read();
    return m_content.failing ? QList<Register::PupilOverview>() : m_content.pupils;
}

QList<Register::SessionSummary> FakeReader::sessions(const QString &pupilKey)
{
    read();
    return m_content.sessions.value(pupilKey);
}

QList<Register::DayPoint> FakeReader::progress(const QString &pupilKey)
{
    read();
    return m_content.days.value(pupilKey);
}

Register::PracticeFacts FakeReader::practiceFacts(const QString &pupilKey)
{
    read();
    return m_content.failing ? Register::PracticeFacts() : m_content.practice.value(pupilKey);
}

bool FakeReader::setAssignment(
    const QString &pupilKey, const std::optional<Practice::Assignment> &assignment)
{
    read();
    if (m_content.failing)
        return false;
    m_content.practice[pupilKey].assignment = assignment;
    return true;
}

Measures::PupilMeasures FakeReader::measures(const QString &pupilKey)
{
    read();
    return m_content.failing ? Measures::PupilMeasures() : m_content.measures.value(pupilKey);
}

bool FakeReader::setMeasures(const QString &pupilKey, const Measures::PupilMeasures &measures)
{
    read();
    if (m_content.failing)
        return false;
    if (measures.any())
        m_content.measures.insert(pupilKey, measures);
    else
        m_content.measures.remove(pupilKey);
    return true;
}

Register::Counts FakeReader::countsOf(const QString &pupilKey)
{
    return { 1, int(m_content.sessions.value(pupilKey).size()), 0 };
}

Register::Counts FakeReader::countsOfAll()
{
    return { int(m_content.pupils.size()), 0, 0 };
}
