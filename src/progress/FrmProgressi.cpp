// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "progress/FrmProgressi.h"

#include "core/ProgressWords.h"
#include "core/PupilKey.h"
#include "core/PupilName.h"
#include "core/SessionRecord.h"
#include "frame/Clock.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/ProgressChart.h"
#include "frame/RegisterReading.h"
#include "frame/ScreenRegistry.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {
const QColor Background = Colour::rgb(200, 255, 200);
const QColor DarkGreen = Colour::rgb(0, 96, 0);
} // namespace

FrmProgressi::FrmProgressi(SessionRecord &session, Clock &clock, Charts &charts,
    RegisterReading &reading, ScreenRegistry &screens)
    : m_session(session), m_clock(clock), m_reading(reading), m_screens(screens)
{
    setObjectName(QStringLiteral("FrmProgressi"));
    setWindowTitle(QStringLiteral("I MIEI PROGRESSI"));
    m_chart = charts.progressChart(client());
    buildControls();
    useFixedDialogFrame();
    setClientSize(11910, 9000);
    centreOnScreen();
}

FrmProgressi::~FrmProgressi() = default;

void FrmProgressi::buildControls()
{
    QWidget *area = client();
    Controls::setBackground(area, Background);
    lblTitolo =
        Controls::label(area, QStringLiteral("lblTitolo"), QString(), Controls::arial(20.25, true));
    Controls::place(lblTitolo, 510, 210, 10890, 615);
    Controls::setTextColour(lblTitolo, DarkGreen);
    lblTitolo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblSessioni =
        Controls::label(area, QStringLiteral("lblSessioni"), QString(), Controls::arial(15.75));
    Controls::place(lblSessioni, 510, 1000, 10890, 480);
    lblMigliore =
        Controls::label(area, QStringLiteral("lblMigliore"), QString(), Controls::arial(15.75));
    Controls::place(lblMigliore, 510, 1530, 10890, 480);
    lblFrase =
        Controls::label(area, QStringLiteral("lblFrase"), QString(), Controls::arial(15.75, true));
    Controls::place(lblFrase, 510, 2100, 10890, 900);
    Controls::setTextColour(lblFrase, DarkGreen);
    lblFrase->setWordWrap(true);

    tblGiorni = new QTableWidget(0, 3, area);
    tblGiorni->setObjectName(QStringLiteral("tblGiorni"));
    tblGiorni->setAccessibleName(QStringLiteral("I miei giorni di allenamento"));
    tblGiorni->setFont(Controls::arial(14.25));
    tblGiorni->setHorizontalHeaderLabels({ QStringLiteral("Giorno"),
        QStringLiteral("Risposte esatte"), QStringLiteral("Secondi per risposta") });
    tblGiorni->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblGiorni->verticalHeader()->hide();
    tblGiorni->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblGiorni->horizontalHeader()->setFont(Controls::arial(12, true));
    // The chart above, when it can be drawn; the table, which a screen reader reads, always.
    if (m_chart) {
        Controls::place(m_chart->widget(), 510, 3000, 10890, 3300);
        Controls::place(tblGiorni, 510, 6400, 10890, 1600);
    } else {
        Controls::place(tblGiorni, 510, 3100, 10890, 4800);
    }

    // The families the pupil learns, one step after another.
    cmdMappa = Controls::button(area, QStringLiteral("cmdMappa"), QStringLiteral("La mia mappa"),
        Controls::arial(14.25, true));
    Controls::place(cmdMappa, 510, 8130, 3600, 585);
    Controls::setBackground(cmdMappa, Colour::rgb(255, 210, 110));
    connect(cmdMappa, &QPushButton::clicked, this, [this] { m_screens.show(ScreenId::Map); });

    cmdEsci = Controls::button(
        area, QStringLiteral("cmdEsci"), QStringLiteral("ESCI"), Controls::arial(14.25, true));
    cmdEsci->setAccessibleName(QStringLiteral("Esci"));
    Controls::place(cmdEsci, 4470, 8130, 2955, 585);
    Controls::setBackground(cmdEsci, Background);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void FrmProgressi::readSession()
{
    const QString name = PupilName::capitalised(m_session.PupilName, QLocale());
    lblTitolo->setText(QStringLiteral("I PROGRESSI DI ") + name.toUpper());
    if (!m_reader)
        m_reader = m_reading.openReader();
    if (!m_reader) {
        showDays({}, false);
        return;
    }
    lblSessioni->setText(QStringLiteral("Carico…"));
    lblMigliore->clear();
    lblFrase->clear();
    const int reading = ++m_readings;
    m_reader->run(
        [key = pupilKey(m_session.PupilName)](Register::Opened &opened) {
            Days read;
            read.days = opened.reader->progress(key);
            read.sessions = opened.reader->countsOf(key).sessions;
            read.celebrated =
                Register::celebration(Hypothesis::found(opened.reader->datedTallies(key)));
            return read;
        },
        [this, reading](const Days &read, bool failed) {
            if (reading != m_readings)
                return;
            showDays(read, true);
            if (failed)
                lblFrase->setText(Register::readFailedText());
        });
}

void FrmProgressi::showDays(const Days &read, bool registerOn)
{
    const QList<Register::DayPoint> &days = read.days;
    lblSessioni->setText(read.sessions == 1
            ? QStringLiteral("Hai fatto 1 sessione.")
            : QStringLiteral("Hai fatto %1 sessioni.").arg(read.sessions));
    const Register::DayPoint best = Register::bestDay(days);
    lblMigliore->setText(best.day.isValid()
            ? QStringLiteral("Il giorno migliore: %1, con il %2 % di risposte esatte.")
                  .arg(best.day.toString(QStringLiteral("dd/MM/yyyy")))
                  .arg(best.rightPercent)
            : QString());
    lblFrase->setText(days.isEmpty()
            ? (registerOn
                    ? QStringLiteral("Qui vedrai i tuoi progressi giorno dopo giorno.")
                    : QStringLiteral("Il registro è spento: i progressi non vengono conservati."))
            : (read.celebrated.isEmpty() ? QString() : read.celebrated + QLatin1Char(' '))
                + Register::encouragement(days, m_clock.today()));

    if (m_chart) {
        QList<ProgressChart::Day> points;
        for (const Register::DayPoint &day : days)
            points.append({ day.day, day.rightPercent, day.medianSeconds });
        m_chart->setDays(points);
    }
    const QLocale italian(QLocale::Italian);
    // The newest day first, where the pupil looks, and where a screen reader starts.
    tblGiorni->setRowCount(int(days.size()));
    for (int row = 0; row < int(days.size()); ++row) {
        const Register::DayPoint &day = days[days.size() - 1 - row];
        const QStringList cells { day.day.toString(QStringLiteral("dd/MM/yyyy")),
            QStringLiteral("%1 %").arg(day.rightPercent),
            italian.toString(day.medianSeconds, 'f', 1) };
        for (int column = 0; column < 3; ++column)
            tblGiorni->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}
