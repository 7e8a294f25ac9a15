// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "JudgedOperations.h"
#include "core/PracticeFamily.h"
#include "core/PracticeHistory.h"
#include "core/PracticeMastery.h"

#include <QTest>

using Practice::Family;

Q_DECLARE_METATYPE(Practice::Family)

namespace {

const QDate Monday(2026, 10, 5);

// Ten different operations up to 10 (practised as "Entro il 10").
const std::pair<int, int> WithinTen[] = { { 9, 0 }, { 9, 3 }, { 9, 4 }, { 9, 5 }, { 9, 6 },
    { 8, 3 }, { 8, 4 }, { 8, 5 }, { 7, 3 }, { 7, 4 } };

// A day written as "8f": eight of the operations right in 4 s; "8s": right in 20 s; "1w": the
// first one missed. Days follow one another from Monday.
QList<Hypothesis::DatedSession> days(const QStringList &plan)
{
    QList<Hypothesis::DatedSession> result;
    for (qsizetype index = 0; index < plan.size(); ++index) {
        Hypothesis::DatedSession session { Monday.addDays(index), {} };
        for (const QString &part : plan[index].split(u' ', Qt::SkipEmptyParts)) {
            const int count = part.chopped(1).toInt();
            for (int i = 0; i < count; ++i) {
                const auto [m, s] = WithinTen[i];
                const QString answer = QString::number(part.endsWith(u'w') ? m - s + 1 : m - s);
                session.operations.append(
                    judgedOperation(m, s, 1, answer, part.endsWith(u's') ? 20 : 4));
            }
        }
        result.append(session);
    }
    return result;
}

} // namespace

class TestPracticeFamily : public QObject
{
    Q_OBJECT

private slots:
    void belongsAndIsPractisedAs_data()
    {
        QTest::addColumn<int>("minuend");
        QTest::addColumn<int>("subtrahend");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QList<Family>>("belongs");
        QTest::addColumn<Family>("practisedAs");
        using F = Family;
        QTest::newRow("7-3") << 7 << 3 << 1 << QList { F::WithinTen } << F::WithinTen;
        QTest::newRow("10-0") << 10 << 0 << 1 << QList { F::WithinTen } << F::WithinTen;
        QTest::newRow("9-9: nought is no ten")
            << 9 << 9 << 1 << QList { F::WithinTen } << F::WithinTen;
        QTest::newRow("8-2") << 8 << 2 << 1 << QList { F::WithinTen, F::TakeAwaySmall }
                             << F::TakeAwaySmall;
        QTest::newRow("15-1") << 15 << 1 << 1 << QList { F::TakeAwaySmall, F::NoBorrow }
                              << F::TakeAwaySmall;
        QTest::newRow("20-10: the first shortcut")
            << 20 << 10 << 1 << QList { F::TakeAwaySmall, F::WholeTen, F::NoBorrow }
            << F::TakeAwaySmall;
        QTest::newRow("10-4") << 10 << 4 << 1 << QList { F::WithinTen, F::WholeTen } << F::WholeTen;
        QTest::newRow("40-7") << 40 << 7 << 1 << QList { F::WholeTen, F::BridgingTen }
                              << F::WholeTen;
        QTest::newRow("47-7") << 47 << 7 << 1 << QList { F::WholeTen, F::NoBorrow } << F::WholeTen;
        QTest::newRow("13-5") << 13 << 5 << 1 << QList { F::BridgingTen } << F::BridgingTen;
        QTest::newRow("23-5") << 23 << 5 << 1 << QList { F::BridgingTen } << F::BridgingTen;
        QTest::newRow("37-12") << 37 << 12 << 1 << QList { F::NoBorrow } << F::NoBorrow;
        QTest::newRow("53-17") << 53 << 17 << 1 << QList { F::WithBorrow } << F::WithBorrow;
        QTest::newRow("? - 17 = 36")
            << 53 << 17 << 2 << QList { F::WithBorrow, F::HiddenTerm } << F::HiddenTerm;
        QTest::newRow("8 - ? = 6")
            << 8 << 2 << 3 << QList { F::WithinTen, F::TakeAwaySmall, F::HiddenTerm }
            << F::HiddenTerm;
    }
    void belongsAndIsPractisedAs()
    {
        QFETCH(int, minuend);
        QFETCH(int, subtrahend);
        QFETCH(int, asked);
        QFETCH(QList<Family>, belongs);
        QFETCH(Family, practisedAs);
        const Practice::Operation operation { minuend, subtrahend, asked };
        QList<Family> found;
        for (const Family family : Practice::families()) {
            if (Practice::belongs(family, operation))
                found.append(family);
        }
        QCOMPARE(found, belongs);
        QCOMPARE(Practice::practisedAs(operation), practisedAs);
    }

    // What the generator can draw: every family somewhere, each operation once, in its family
    // and under the ceiling; a borrow with a two-digit subtrahend needs minuends above 20.
    void drawableOperationsStayInTheirFamily()
    {
        QCOMPARE(Practice::minuendCeilings(), (QList { 9, 19, 20, 40, 90, 99 }));
        QVERIFY(Practice::drawable(Family::WithBorrow, 20).isEmpty());
        QVERIFY(!Practice::drawable(Family::WithBorrow, 40).isEmpty());
        QStringList names;
        for (const Family family : Practice::families()) {
            names.append(Practice::familyName(family));
            const QList<Practice::Operation> all = Practice::drawable(family, 99);
            QVERIFY(!all.isEmpty());
            for (const Practice::Operation &operation : all) {
                QCOMPARE(Practice::practisedAs(operation), family);
                QVERIFY(operation.minuend <= 99 && operation.minuend > operation.subtrahend);
                QCOMPARE(all.count(operation), 1);
            }
        }
        QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), Practice::FamilyCount);
    }

    void mastery_data()
    {
        QTest::addColumn<QStringList>("plan");
        QTest::addColumn<QString>("state");
        QTest::newRow("nothing right") << QStringList { "8w" } << "da iniziare";
        QTest::newRow("one day") << QStringList { "8f" } << "in allenamento";
        QTest::newRow("two days") << QStringList { "8f", "8f" } << "imparata il 06/10";
        QTest::newRow("two days, a day between")
            << QStringList { "8f", "", "8f" } << "imparata il 07/10";
        QTest::newRow("seven a day are not enough")
            << QStringList { "7f", "7f" } << "in allenamento";
        QTest::newRow("twice the same eight in one day is one day")
            << QStringList { "8f 8f" } << "in allenamento";
        QTest::newRow("slow right answers do not count")
            << QStringList { "8f 8f", "8s" } << "in allenamento";
        QTest::newRow("one miss in ten keeps the day")
            << QStringList { "9f 1w", "8f" } << "imparata il 06/10";
        QTest::newRow("one miss in nine loses it")
            << QStringList { "8f 1w", "8f" } << "in allenamento";
        QTest::newRow("a miss later re-opens it")
            << QStringList { "8f", "8f", "1w" } << "in allenamento";
        QTest::newRow("the day of the miss does not count")
            << QStringList { "8f", "8f", "8f 1w", "8f" } << "in allenamento";
        QTest::newRow("learned again two days later")
            << QStringList { "8f", "8f", "1w", "8f", "8f" } << "imparata il 09/10";
    }
    void mastery()
    {
        QFETCH(QStringList, plan);
        QFETCH(QString, state);
        const Practice::History history(days(plan));
        QCOMPARE(Practice::masteryText(Practice::mastery(Family::WithinTen, history)), state);
        QCOMPARE(
            Practice::mastery(Family::NoBorrow, history).state, Practice::Mastery::State::ToStart);
    }
};

QTEST_GUILESS_MAIN(TestPracticeFamily)
#include "tst_practicefamily.moc"
