// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "map/FrmMappa.h"

#include "core/PupilKey.h"
#include "core/PupilName.h"
#include "core/SessionRecord.h"
#include "frame/Clock.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/RegisterReading.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

const QColor Background = Colour::rgb(220, 240, 255);
const QColor DarkBlue = Colour::rgb(0, 48, 128);

struct Look
{
    QColor background;
    QColor text;
};

Look lookOf(Practice::Mastery::State state)
{
    switch (state) {
    case Practice::Mastery::State::ToStart:
        return { Colour::rgb(225, 225, 225), Colour::rgb(90, 90, 90) };
    case Practice::Mastery::State::Training:
        return { Colour::rgb(255, 210, 110), Colour::rgb(128, 48, 0) };
    case Practice::Mastery::State::Learned:
        break;
    }
    return { Colour::rgb(130, 225, 130), Colour::rgb(0, 80, 0) };
}

} // namespace

FrmMappa::FrmMappa(SessionRecord &session, Clock &clock, RegisterReading &reading)
    : m_session(session), m_clock(clock), m_reading(reading)
{
    setObjectName(QStringLiteral("FrmMappa"));
    setWindowTitle(QStringLiteral("LA MIA MAPPA"));
    buildControls();
    useFixedDialogFrame();
    setClientSize(11910, 9000);
    centreOnScreen();
}

FrmMappa::~FrmMappa() = default;

void FrmMappa::buildControls()
{
    QWidget *area = client();
    Controls::setBackground(area, Background);
    lblTitolo =
        Controls::label(area, QStringLiteral("lblTitolo"), QString(), Controls::arial(20.25, true));
    Controls::place(lblTitolo, 510, 150, 10890, 615);
    Controls::setTextColour(lblTitolo, DarkBlue);
    lblTitolo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblFrase =
        Controls::label(area, QStringLiteral("lblFrase"), QString(), Controls::arial(15.75, true));
    Controls::place(lblFrase, 510, 780, 10890, 600);
    Controls::setTextColour(lblFrase, Colour::rgb(160, 0, 120));
    lblFrase->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    lblFrase->setWordWrap(true);

    // The steps go down the left column and on down the right one, in teaching order.
    constexpr int Rows = (Practice::FamilyCount + 1) / 2;
    for (int step = 0; step < Practice::FamilyCount; ++step) {
        QLabel *tile = Controls::label(area, QStringLiteral("lblPasso%1").arg(step + 1), QString(),
            Controls::arial(14.25, true));
        tile->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        tile->setMargin(8);
        tile->setWordWrap(true);
        Controls::place(tile, step < Rows ? 510 : 6060, 1450 + (step % Rows) * 780, 5340, 720);
        lblPasso[step] = tile;
    }

    tblMappa = new QTableWidget(0, 2, area);
    tblMappa->setObjectName(QStringLiteral("tblMappa"));
    tblMappa->setAccessibleName(QStringLiteral("La mia mappa"));
    tblMappa->setFont(Controls::arial(12));
    tblMappa->setHorizontalHeaderLabels({ QStringLiteral("Passo"), QStringLiteral("Come va") });
    tblMappa->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblMappa->verticalHeader()->hide();
    tblMappa->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblMappa->horizontalHeader()->setFont(Controls::arial(12, true));
    Controls::place(tblMappa, 510, 4620, 10890, 3360);

    cmdEsci = Controls::button(
        area, QStringLiteral("cmdEsci"), QStringLiteral("ESCI"), Controls::arial(14.25, true));
    cmdEsci->setAccessibleName(QStringLiteral("Esci"));
    Controls::place(cmdEsci, 4470, 8130, 2955, 585);
    Controls::setBackground(cmdEsci, Background);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    QWidget::setTabOrder(tblMappa, cmdEsci);
    tblMappa->installEventFilter(this);
}

void FrmMappa::readSession()
{
    const QString name = PupilName::capitalised(m_session.PupilName, QLocale());
    lblTitolo->setText(QStringLiteral("LA MAPPA DI ") + name.toUpper());
    if (!m_reader)
        m_reader = m_reading.openReader();
    if (!m_reader) {
        showSteps(Practice::mapOf({}));
        lblFrase->setText(
            QStringLiteral("Il registro è spento: la mappa non può ricordare i tuoi passi."));
        return;
    }
    lblFrase->setText(QStringLiteral("Carico…"));
    const int reading = ++m_readings;
    m_reader->run(
        [key = pupilKey(m_session.PupilName)](Register::Opened &opened) {
            return Practice::mapOf(opened.reader->practiceFacts(key).history);
        },
        [this, reading](const QList<Practice::MapStep> &steps, bool failed) {
            if (reading != m_readings)
                return;
            showSteps(steps);
            lblFrase->setText(failed ? Register::readFailedText()
                                     : Practice::celebrationOfToday(steps, m_clock.today()));
        });
}

void FrmMappa::showSteps(const QList<Practice::MapStep> &steps)
{
    tblMappa->setRowCount(int(steps.size()));
    for (int row = 0; row < int(steps.size()) && row < Practice::FamilyCount; ++row) {
        const Practice::MapStep &step = steps[row];
        const QString name = QStringLiteral("%1. %2").arg(row + 1).arg(step.name);
        QLabel *tile = lblPasso[row];
        tile->setText(name + QLatin1Char('\n') + step.stateText);
        const Look look = lookOf(step.mastery.state);
        Controls::setBackground(tile, look.background);
        Controls::setTextColour(tile, look.text);
        tblMappa->setItem(row, 0, new QTableWidgetItem(name));
        tblMappa->setItem(row, 1, new QTableWidgetItem(step.stateText));
    }
    if (tblMappa->hasFocus())
        focusStep();
}

// The focus starts on the first step, which a screen reader reads at once. Qt tells a screen
// reader which cell is current only when the current cell changes while the table has the
// focus, so the step is made current again each time the focus arrives, whether the steps
// were read before the window came up or after.
void FrmMappa::focusStep()
{
    if (tblMappa->rowCount() == 0)
        return;
    const int row = std::max(tblMappa->currentRow(), 0);
    const int column = std::max(tblMappa->currentColumn(), 0);
    tblMappa->setCurrentItem(nullptr);
    tblMappa->setCurrentCell(row, column);
}

bool FrmMappa::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tblMappa && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(this, &FrmMappa::focusStep, Qt::QueuedConnection);
    return Screen::eventFilter(watched, event);
}
