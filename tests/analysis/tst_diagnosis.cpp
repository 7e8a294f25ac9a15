// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "DiagnosisSimulation.h"
#include "core/RandomSource.h"

#include <QTest>

using Analysis::Error;
namespace Sim = DiagnosisSimulation;

Q_DECLARE_METATYPE(Analysis::Error)

// A fixed-seed sample of the bench's simulated pupils (bench/run.sh diagnosis runs 1000
// sessions per cell): the analysis names the procedure a pupil follows, and only slips are
// not blamed on a procedure.
class TestDiagnosis : public QObject
{
    Q_OBJECT

private:
    static constexpr int Sessions = 400;

private slots:
    void sample_data()
    {
        QTest::addColumn<Error>("procedure");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("askedLow");
        QTest::addColumn<int>("askedHigh");
        for (const Error procedure : Sim::procedures())
            QTest::newRow(qPrintable(Analysis::errorName(procedure))) << procedure << 6 << 1 << 3;
        QTest::newRow("borrow not taken, level 2") << Error::BorrowNotTaken << 2 << 1 << 1;
        QTest::newRow("careful, difference, level 4") << Error::None << 4 << 1 << 1;
        QTest::newRow("careful, minuend or subtrahend, level 1") << Error::None << 1 << 2 << 3;
    }
    void sample()
    {
        QFETCH(Error, procedure);
        QFETCH(int, level);
        QFETCH(int, askedLow);
        QFETCH(int, askedHigh);
        const Sim::Tally tally = Sim::run(procedure, level, askedLow, askedHigh, Sessions, 2026);
        if (procedure == Error::None) {
            QVERIFY2(20 * tally.noProcedureNamed >= 19 * Sessions,
                qPrintable(QString::number(tally.noProcedureNamed)));
            return;
        }
        QVERIFY(tally.touchedEnough >= Sessions / 4);
        QVERIFY2(10 * tally.namedWhenTouched >= 9 * tally.touchedEnough,
            qPrintable(
                QStringLiteral("%1 of %2").arg(tally.namedWhenTouched).arg(tally.touchedEnough)));
    }

    // A slip is wrong, near the right value and never negative.
    void slips()
    {
        MixingRandomSource random(7);
        for (int right = 0; right <= 99; ++right) {
            for (int round = 0; round < 20; ++round) {
                const int wrong = Sim::slip(right, random);
                QVERIFY(wrong != right && wrong >= 0);
                const QString a = QString::number(right);
                const QString b = QString::number(wrong);
                int changed = 0;
                for (qsizetype place = 0; a.size() == b.size() && place < a.size(); ++place)
                    changed += a[place] != b[place] ? 1 : 0;
                QVERIFY2(std::abs(wrong - right) == 1 || std::abs(wrong - right) == 10
                        || (a.size() == b.size() && changed == 1),
                    qPrintable(a + " -> " + b));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestDiagnosis)
#include "tst_diagnosis.moc"
