// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "../register/RegisterSamples.h"
#include "register/RegisterFile.h"
#include "schoolserver/SetAside.h"
#include "schoolserver/SqliteOutbox.h"

#include <QTemporaryDir>
#include <QTest>

using namespace SchoolServer;

class TestOutbox : public QObject
{
    Q_OBJECT

private slots:
    // A row the server refused is set aside and named; the writer's new file after a damaged
    // one is followed; the pupils go with their sessions, not on their own.
    void setsAsideAndFollowsTheWriter()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registro.sqlite"));
        SqliteOutbox outbox(path);
        {
            SqliteRegister reg({ path, true });
            practise(reg, QStringLiteral("Ada"), 3);
        }
        std::optional<Batch> batch = outbox.nextBatch(40);
        QVERIFY(batch);
        QCOMPARE(batch->count(Table::Answers), 3);
        QVERIFY(insertStatement(Table::Pupils).isEmpty());
        const OutboxRow &session = batch->rows.at(1);
        QCOMPARE(session.table, Table::Sessions);
        QCOMPARE(session.values.at(9).toString(), QStringLiteral("Ada")); // the pupil's name
        QVERIFY(outbox.markSent(*batch, { 3 })); // the second answer
        QCOMPARE(setAsideBoard().get().rows, 1);
        QCOMPARE(setAsideBoard().get().pupils, QStringList { QStringLiteral("Ada") });
        QVERIFY(outbox.nextBatch(40)->isEmpty());

        QVERIFY(!Register::setAside(path, QDateTime::currentDateTime()).isEmpty());
        {
            SqliteRegister reg({ path, true });
            practise(reg, QStringLiteral("Bea"), 2);
        }
        batch = outbox.nextBatch(40);
        QVERIFY(batch);
        QCOMPARE(batch->count(Table::Answers), 2);
        QCOMPARE(batch->rows.at(1).values.at(9).toString(), QStringLiteral("Bea"));
        QCOMPARE(setAsideBoard().get().rows, 0); // the new file has none
    }
};

QTEST_GUILESS_MAIN(TestOutbox)
#include "tst_outbox.moc"
