// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "start/TodayEntry.h"

#include "core/PracticeSession.h"
#include "core/PupilKey.h"
#include "core/RandomSource.h"
#include "core/SessionRecord.h"
#include "frame/Clock.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/RegisterReading.h"
#include "frame/ScreenRegistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// A read that takes longer than this says so.
constexpr int LoadingShownAfterMs = 300;

} // namespace

TodayEntry::TodayEntry(QWidget *area, const Roles &roles) : QObject(area), m_roles(roles)
{
    cmdAllenamento = Controls::button(area, QStringLiteral("cmdAllenamento"),
        QStringLiteral("Allenamento di oggi"), Controls::arial(15.75, true));
    cmdAllenamento->setAccessibleDescription(
        QStringLiteral("Il programma sceglie per te le operazioni di oggi."));
    Controls::setBackground(cmdAllenamento, Colour::rgb(255, 176, 64));
    Controls::setTextColour(cmdAllenamento, Colour::rgb(128, 0, 0));
    // On the left of the range buttons, as tall as the first two of them.
    Controls::place(cmdAllenamento, 390, 3285, 4320, 1410);
    cmdAllenamento->hide();

    lblCarico = Controls::label(
        area, QStringLiteral("lblCarico"), QStringLiteral("Carico…"), Controls::arial(14.25, true));
    lblCarico->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblCarico->setWordWrap(true);
    Controls::place(lblCarico, 390, 4800, 4320, 900);
    lblCarico->hide();

    connect(cmdAllenamento, &QPushButton::clicked, this, &TodayEntry::planToday);
}

TodayEntry::~TodayEntry() = default;

void TodayEntry::offer()
{
    if (!m_reader)
        m_reader = m_roles.reading.openReader();
    cmdAllenamento->setVisible(m_reader != nullptr);
}

void TodayEntry::planToday()
{
    if (m_planning || !m_reader)
        return;
    // A session under way stays as it is, as it does for a range button.
    if (m_roles.screens.existing(ScreenId::Exercise)) {
        m_roles.screens.show(ScreenId::Exercise);
        return;
    }
    m_planning = true;
    lblCarico->setText(QStringLiteral("Carico…"));
    QTimer::singleShot(
        LoadingShownAfterMs, lblCarico, [this] { lblCarico->setVisible(m_planning); });
    m_reader->run(
        [key = pupilKey(m_roles.session.PupilName), today = m_roles.clock.today(),
            seed = double(m_roles.clock.timeOfDay())](Register::Opened &opened) {
            const Register::PracticeFacts facts = opened.reader->practiceFacts(key);
            MixingRandomSource random;
            random.seed(seed);
            return Practice::todayPlan(
                facts.history, facts.procedures, facts.assignment, today, random);
        },
        [this](const Practice::TodayPlan &plan, bool failed) { planMade(plan, failed); });
}

void TodayEntry::planMade(const Practice::TodayPlan &plan, bool failed)
{
    m_planning = false;
    if (failed || plan.operations.size() != Practice::PlanSize) {
        lblCarico->setText(Register::readFailedText());
        lblCarico->show();
        return;
    }
    lblCarico->hide();
    Practice::preparePractice(m_roles.session, plan);
    m_roles.screens.show(ScreenId::Exercise);
}
