// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "progress/FrmProgressi.h"

#include "core/ProgressWords.h"
#include "core/PupilName.h"
#include "core/SessionRecord.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/ProgressChart.h"
#include "frame/Services.h"
#include "register/PupilKey.h"
#include "register/RegisterQueries.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {
const QColor Background = Colour::rgb(200, 255, 200);
const QColor DarkGreen = Colour::rgb(0, 96, 0);
} // namespace

FrmProgressi::FrmProgressi(SessionRecord &session, Services &services)
    : m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("FrmProgressi"));
    setWindowTitle(QStringLiteral("I MIEI PROGRESSI"));
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
    m_chart = m_services.progressChart(area);
    if (m_chart) {
        Controls::place(m_chart->widget(), 510, 3000, 10890, 3300);
        Controls::place(tblGiorni, 510, 6400, 10890, 1600);
    } else {
        Controls::place(tblGiorni, 510, 3100, 10890, 4800);
    }

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
    const auto queries = m_services.openRegister();
    const QString key = pupilKey(m_session.PupilName);
    const QList<Register::DayPoint> days =
        queries ? queries->progress(key) : QList<Register::DayPoint>();
    const int sessions = queries ? queries->countsOf(key).sessions : 0;

    lblSessioni->setText(sessions == 1 ? QStringLiteral("Hai fatto 1 sessione.")
                                       : QStringLiteral("Hai fatto %1 sessioni.").arg(sessions));
    const Register::DayPoint best = Register::bestDay(days);
    lblMigliore->setText(best.day.isValid()
            ? QStringLiteral("Il giorno migliore: %1, con il %2 % di risposte esatte.")
                  .arg(best.day.toString(QStringLiteral("dd/MM/yyyy")))
                  .arg(best.rightPercent)
            : QString());
    const QString celebrated =
        queries ? Register::celebration(Hypothesis::found(queries->datedSessions(key))) : QString();
    lblFrase->setText(days.isEmpty()
            ? (queries
                    ? QStringLiteral("Qui vedrai i tuoi progressi giorno dopo giorno.")
                    : QStringLiteral("Il registro è spento: i progressi non vengono conservati."))
            : (celebrated.isEmpty() ? QString() : celebrated + QLatin1Char(' '))
                + Register::encouragement(days, m_services.today()));

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
