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
