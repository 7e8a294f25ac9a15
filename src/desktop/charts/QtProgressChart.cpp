// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The chart module: the one piece of the program on Qt Charts.
#include "frame/ProgressChart.h"

#include "core/ChartPoints.h"
#include "core/SecondsAxis.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

namespace {

class QtProgressChart final : public ProgressChart
{
public:
    explicit QtProgressChart(QWidget *parent) : m_view(new QChartView(parent))
    {
        m_view->setObjectName(QStringLiteral("chartProgressi"));
        m_view->setRenderHint(QPainter::Antialiasing);
        m_view->setAccessibleName(QStringLiteral("Grafico dei progressi"));
        QChart *chart = m_view->chart();
        chart->legend()->setAlignment(Qt::AlignBottom);
        m_right->setName(QStringLiteral("Risposte esatte (%)"));
        m_seconds->setName(QStringLiteral("Secondi per risposta"));
        QPen rightPen(QColor(0, 128, 0));
        rightPen.setWidth(3);
        m_right->setPen(rightPen);

        QPen secondsPen(QColor(0, 64, 192));
        secondsPen.setWidth(3);
        m_seconds->setPen(secondsPen);

        chart->addSeries(m_right);
        chart->addSeries(m_seconds);

        m_days->setFormat(QStringLiteral("dd/MM"));
        m_percent->setRange(0, 100);
        m_percent->setLabelFormat(QStringLiteral("%d"));
        // Whole seconds at every tick: the axis's top is a multiple of its steps.
        m_secondsAxis->setTickCount(SecondsAxis::Steps + 1);
        m_secondsAxis->setLabelFormat(QStringLiteral("%d"));
        chart->addAxis(m_days, Qt::AlignBottom);
        chart->addAxis(m_percent, Qt::AlignLeft);
        chart->addAxis(m_secondsAxis, Qt::AlignRight);
        m_right->attachAxis(m_days);
        m_right->attachAxis(m_percent);
        m_seconds->attachAxis(m_days);
        m_seconds->attachAxis(m_secondsAxis);
    }

    QWidget *widget() override { return m_view; }

    void setDays(const QList<Day> &days) override
    {
        m_right->clear();
        m_seconds->clear();
        m_right->setPointsVisible(days.size() <= MostDaysWithPoints);
        m_seconds->setPointsVisible(days.size() <= MostDaysWithPoints);
        double slowest = 0.0;
        for (const Day &day : days) {
            const qreal x = QDateTime(day.day, QTime(12, 0)).toMSecsSinceEpoch();
            m_right->append(x, day.rightPercent);
            m_seconds->append(x, day.medianSeconds);
            slowest = std::max(slowest, day.medianSeconds);
        }
        if (!days.isEmpty()) {
            // A single day still gets a span, so that its point lies inside the chart.
            m_days->setRange(QDateTime(days.first().day.addDays(-1), QTime(12, 0)),
                QDateTime(days.last().day.addDays(1), QTime(12, 0)));
        }
        m_secondsAxis->setRange(0, SecondsAxis::top(slowest));
    }

private:
    QChartView *m_view;
    QLineSeries *m_right = new QLineSeries;
    QLineSeries *m_seconds = new QLineSeries;
    QDateTimeAxis *m_days = new QDateTimeAxis;
    QValueAxis *m_percent = new QValueAxis;
    QValueAxis *m_secondsAxis = new QValueAxis;
};

} // namespace

extern "C" Q_DECL_EXPORT ProgressChart *vovorudorozCreateProgressChart(QWidget *parent)
{
    return new QtProgressChart(parent);
}
