// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "core/OperationGenerator.h"
#include "core/RandomSource.h"
#include "core/SessionRecord.h"

#include <QHash>
#include <QTest>

#include <cmath>

namespace {

// A draw that lands in the middle of slot `index` of `span` slots.
double slot(int index, int span)
{
    return (index + 0.5) / span;
}

// Accepted at every level: a second attempt that stops the drawing.
const QList<double> Fallback { 0.5, 0.0 };

float fixedClock()
{
    return 43200.25f;
}

} // namespace

class TestOperationGenerator : public QObject
{
    Q_OBJECT

private slots:
    void levels_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("differenceLow");
        QTest::addColumn<int>("differenceHigh");
        QTest::addColumn<int>("subtrahendLow");
        QTest::addColumn<int>("subtrahendHigh");
        QTest::addColumn<int>("minuendLow");
        QTest::addColumn<int>("minuendHigh");
        QTest::addColumn<int>("acceptedPairs");
        QTest::newRow("1 to 10") << 1 << 1 << 10 << 0 << 9 << 1 << 9 << 45;
        QTest::newRow("1 to 20") << 2 << 1 << 20 << 0 << 19 << 1 << 19 << 190;
        QTest::newRow("10 to 30") << 3 << 1 << 20 << 0 << 19 << 10 << 20 << 165;
        QTest::newRow("10 to 40") << 4 << 5 << 19 << 5 << 19 << 10 << 38 << 225;
        QTest::newRow("40 to 99") << 5 << 20 << 59 << 20 << 59 << 40 << 90 << 1194;
        QTest::newRow("10 to 99") << 6 << 5 << 49 << 5 << 49 << 10 << 98 << 2025;
    }

    // Every first attempt of a level, scripted draw by draw: the accepted ones are kept at once,
    // the others are drawn again; the accepted pairs are those of the level's band.
    void levels()
    {
        QFETCH(int, level);
        QFETCH(int, differenceLow);
        QFETCH(int, differenceHigh);
        QFETCH(int, subtrahendLow);
        QFETCH(int, subtrahendHigh);
        QFETCH(int, minuendLow);
        QFETCH(int, minuendHigh);
        QFETCH(int, acceptedPairs);

        const int differenceSpan = differenceHigh - differenceLow + 1;
        const int subtrahendSpan = subtrahendHigh - subtrahendLow + 1;
        int accepted = 0;
        int lowestMinuend = 1000, highestMinuend = -1;
        for (int i = 0; i < differenceSpan; ++i) {
            for (int j = 0; j < subtrahendSpan; ++j) {
                SessionRecord session;
                session.RangeLevel = level;
                ScriptedRandomSource random;
                random.draws =
                    QList<double> { slot(i, differenceSpan), slot(j, subtrahendSpan) } + Fallback;
                Exercise::livello(session, random, fixedClock);
                const bool firstAttemptKept = random.draws.size() == Fallback.size();
                QVERIFY(session.Difference >= 1);
                QVERIFY(session.Subtrahend >= 0);
                if (!firstAttemptKept)
                    continue;
                ++accepted;
                QCOMPARE(session.Difference, differenceLow + i);
                QCOMPARE(session.Subtrahend, subtrahendLow + j);
                const int minuend = session.Difference + session.Subtrahend;
                QVERIFY2(minuend >= minuendLow && minuend <= minuendHigh,
                    qPrintable(QStringLiteral("minuend %1").arg(minuend)));
                lowestMinuend = std::min(lowestMinuend, minuend);
                highestMinuend = std::max(highestMinuend, minuend);
            }
        }
        QCOMPARE(accepted, acceptedPairs);
        QCOMPARE(lowestMinuend, minuendLow);
        QCOMPARE(highestMinuend, minuendHigh);

        // The extreme draws reach the ends of both terms.
        SessionRecord session;
        session.RangeLevel = level;
        ScriptedRandomSource random;
        random.draws = QList<double> { 0.0, 0.9999999 } + Fallback;
        Exercise::livello(session, random, fixedClock);
        if (random.draws.size() == Fallback.size()) {
            QCOMPARE(session.Difference, differenceLow);
            QCOMPARE(session.Subtrahend, subtrahendHigh);
        }
        random.draws = QList<double> { 0.9999999, 0.0 } + Fallback;
        Exercise::livello(session, random, fixedClock);
        if (random.draws.size() == Fallback.size()) {
            QCOMPARE(session.Difference, differenceHigh);
            QCOMPARE(session.Subtrahend, subtrahendLow);
        }
    }

    void uniform_data() { levels_data(); }

    // Over many draws from a fixed seed, every accepted pair comes up about equally often and no
    // other pair ever does (a chi-square check with a wide margin).
    void uniform()
    {
        QFETCH(int, level);
        QFETCH(int, differenceLow);
        QFETCH(int, differenceHigh);
        QFETCH(int, subtrahendLow);
        QFETCH(int, subtrahendHigh);
        QFETCH(int, minuendLow);
        QFETCH(int, minuendHigh);
        QFETCH(int, acceptedPairs);

        constexpr int perPair = 25;
        const int draws = perPair * acceptedPairs;
        MixingRandomSource random(77 + level);
        SessionRecord session;
        session.RangeLevel = level;
        float clock = 30000.0f;
        QHash<int, int> seen;
        for (int n = 0; n < draws; ++n) {
            Exercise::livello(session, random, [&clock] { return clock += 0.01f; });
            const int d = session.Difference, s = session.Subtrahend;
            QVERIFY(d >= differenceLow && d <= differenceHigh);
            QVERIFY(s >= subtrahendLow && s <= subtrahendHigh);
            QVERIFY(d + s >= minuendLow && d + s <= minuendHigh);
            ++seen[d * 1000 + s];
        }
        QCOMPARE(seen.size(), acceptedPairs);
        double chiSquare = 0.0;
        for (const int count : std::as_const(seen))
            chiSquare += (count - perPair) * double(count - perPair) / perPair;
        const double freedom = acceptedPairs - 1;
        QVERIFY2(chiSquare < freedom + 6 * std::sqrt(2 * freedom),
            qPrintable(QStringLiteral("chi-square %1 for %2 degrees of freedom")
                           .arg(chiSquare)
                           .arg(freedom)));
    }

    void seeding_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("seedings");
        QTest::newRow("level 1, kept at once") << 1 << QList<double> { 0.0, 0.0 } << 1;
        QTest::newRow("level 1, drawn again") << 1 << QList<double> { 0.95, 0.95, 0.0, 0.0 } << 1;
        QTest::newRow("level 2, kept at once") << 2 << QList<double> { 0.0, 0.0 } << 2;
        QTest::newRow("level 2, drawn twice again")
            << 2 << QList<double> { 0.99, 0.99, 0.5, 0.5, 0.0, 0.0 } << 4;
        QTest::newRow("level 5, drawn again") << 5 << QList<double> { 0.99, 0.99, 0.5, 0.0 } << 1;
    }

    // The source is seeded from the clock once per operation; level 2 seeds again before every
    // attempt, so its first attempt is seeded twice.
    void seeding()
    {
        QFETCH(int, level);
        QFETCH(QList<double>, draws);
        QFETCH(int, seedings);
        SessionRecord session;
        session.RangeLevel = level;
        ScriptedRandomSource random;
        random.draws = draws;
        Exercise::livello(session, random, fixedClock);
        QVERIFY(random.draws.isEmpty());
        QCOMPARE(random.seedings, seedings);
    }

    void pads_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("differencePad");
        QTest::addColumn<QString>("subtrahendPad");
        // Level 3: difference floor(r * 20) + 1, subtrahend floor(r * 20).
        QTest::newRow("9 and 10") << QList<double> { slot(8, 20), slot(10, 20) } << " "
                                  << "";
        QTest::newRow("10 and 9") << QList<double> { slot(9, 20), slot(9, 20) } << ""
                                  << " ";
        QTest::newRow("13 and 0") << QList<double> { slot(12, 20), 0.0 } << ""
                                  << " ";
    }

    void pads()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QString, differencePad);
        QFETCH(QString, subtrahendPad);
        SessionRecord session;
        session.RangeLevel = 3;
        ScriptedRandomSource random;
        random.draws = draws;
        Exercise::livello(session, random, fixedClock);
        QVERIFY(random.draws.isEmpty());
        QCOMPARE(session.DifferencePad, differencePad);
        QCOMPARE(session.SubtrahendPad, subtrahendPad);
    }

    void invalidLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("0") << 0;
        QTest::newRow("7") << 7;
        QTest::newRow("-1") << -1;
    }

    // A level outside 1..6 draws nothing: the operation stays, only its pads are set again.
    void invalidLevel()
    {
        QFETCH(int, level);
        SessionRecord session;
        session.RangeLevel = level;
        session.Difference = 12;
        session.Subtrahend = 3;
        session.DifferencePad = QStringLiteral("x");
        session.SubtrahendPad = QStringLiteral("y");
        ScriptedRandomSource random;
        random.draws = { 0.5, 0.5 };
        Exercise::livello(session, random, fixedClock);
        QCOMPARE(session.Difference, 12);
        QCOMPARE(session.Subtrahend, 3);
        QCOMPARE(session.DifferencePad, QString());
        QCOMPARE(session.SubtrahendPad, QStringLiteral(" "));
        QCOMPARE(random.draws.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestOperationGenerator)
#include "tst_operationgenerator.moc"
