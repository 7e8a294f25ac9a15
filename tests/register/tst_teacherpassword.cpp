// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/TeacherPassword.h"

#include <QTest>

namespace {

class MemoryStore final : public PasswordStore
{
public:
    std::optional<QString> hash;
    std::optional<QString> storedHash() override { return hash; }
    bool storeHash(const QString &value) override
    {
        hash = value;
        return true;
    }
};

class MemoryThrottle final : public ThrottleStore
{
public:
    ThrottleState state;
    ThrottleState throttle() override { return state; }
    void storeThrottle(const ThrottleState &kept) override { state = kept; }
};

using Check = TeacherPassword::Check;

} // namespace

class TestTeacherPassword : public QObject
{
    Q_OBJECT

private slots:
    void fiveWrongTriesMakeEveryTryWait()
    {
        MemoryStore store;
        qint64 now = 1000;
        TeacherPassword password(store, [&now] { return now; });
        QVERIFY(password.choose(QStringLiteral("gatto")));
        QVERIFY(store.hash->startsWith(QStringLiteral("$argon2id$")));
        QVERIFY(!password.choose(QStringLiteral("cane"))); // only the first time

        for (int i = 0; i < 4; ++i)
            QCOMPARE(password.check(QStringLiteral("Gatto")), Check::Wrong);
        QCOMPARE(password.check(QStringLiteral("gatto")), Check::Right); // a right one resets
        for (int i = 0; i < 5; ++i)
            QCOMPARE(password.check(QStringLiteral("topo")), Check::Wrong);
        QCOMPARE(password.secondsToWait(), 30);
        QCOMPARE(password.check(QStringLiteral("gatto")), Check::Waiting);
        now += 29500;
        QCOMPARE(password.secondsToWait(), 1);
        QCOMPARE(password.check(QStringLiteral("gatto")), Check::Waiting);
        now += 500;
        QCOMPARE(password.check(QStringLiteral("gatto")), Check::Right);
    }

    // Each line: the tries of one opening of the screen (w wrong, r right, - waiting), then the
    // milliseconds the clock moves before the next opening, which starts from the kept state.
    void waitOutlivesTheScreen_data()
    {
        QTest::addColumn<QStringList>("openings");
        QTest::addColumn<int>("secondsLeft");
        QTest::newRow("five wrong across openings") << QStringList { "www 1000", "ww 1000" } << 29;
        QTest::newRow("a restart waits on") << QStringList { "wwwww 20000", "- 0" } << 10;
        QTest::newRow("clock set back: one wait at most")
            << QStringList { "wwwww -600000", "- 0" } << 30;
        QTest::newRow("wait over: checked again") << QStringList { "wwwww 30000", "r 0" } << 0;
        QTest::newRow("a right one forgets the wrong")
            << QStringList { "wwww 0", "r 0", "wwww 0" } << 0;
    }

    void waitOutlivesTheScreen()
    {
        QFETCH(QStringList, openings);
        QFETCH(int, secondsLeft);
        MemoryStore store;
        MemoryThrottle throttle;
        qint64 now = 1'700'000'000'000;
        QVERIFY(TeacherPassword(store).choose(QStringLiteral("gatto")));
        for (const QString &opening : openings) {
            TeacherPassword password(
                store, [&now] { return now; }, &throttle);
            const QStringList parts = opening.split(QLatin1Char(' '));
            for (QChar kind : parts[0]) {
                const Check expected = kind == QLatin1Char('r') ? Check::Right
                    : kind == QLatin1Char('w')                  ? Check::Wrong
                                                                : Check::Waiting;
                QCOMPARE(password.check(kind == QLatin1Char('r') ? QStringLiteral("gatto")
                                                                 : QStringLiteral("topo")),
                    expected);
            }
            now += parts[1].toLongLong();
        }
        QCOMPARE(TeacherPassword(
                     store, [&now] { return now; }, &throttle)
                     .secondsToWait(),
            secondsLeft);
    }

    void changingNeedsTheOldOne()
    {
        MemoryStore store;
        qint64 now = 0;
        TeacherPassword password(store, [&now] { return now; });
        QVERIFY(password.choose(QString()));
        QVERIFY(password.isChosen() && password.isEmpty());
        QCOMPARE(password.check(QString()), Check::Right);

        QCOMPARE(password.change(QStringLiteral("x"), QStringLiteral("lupo")), Check::Wrong);
        QVERIFY(password.isEmpty());
        QCOMPARE(password.change(QString(), QStringLiteral("lupo")), Check::Right);
        QCOMPARE(password.check(QString()), Check::Wrong);
        QCOMPARE(password.check(QStringLiteral("lupo")), Check::Right);
    }
};

QTEST_GUILESS_MAIN(TestTeacherPassword)
#include "tst_teacherpassword.moc"
