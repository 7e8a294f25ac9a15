// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/SenderMachine.h"

#include <QSet>
#include <QTest>

using namespace SchoolServer;

namespace {

// One session's answers, numbered 1..n in the order written.
class FakeOutbox final : public Outbox
{
public:
    explicit FakeOutbox(int answers) { m_sent.fill(false, answers); }

    std::optional<Batch> nextBatch(int answers) override
    {
        Batch batch;
        for (int i = 0; i < m_sent.size() && batch.count(Table::Answers) < answers; ++i)
            if (!m_sent[i])
                batch.rows.append({ Table::Answers, i + 1, true, { QStringLiteral("s"), i + 1 } });
        if (!batch.isEmpty())
            batch.rows.prepend({ Table::Sessions, 1, false, { QStringLiteral("s") } });
        return batch;
    }
    bool markSent(const Batch &batch, const QList<int> &refused) override
    {
        if (failMarking)
            return false;
        for (int index = 0; index < batch.rows.size(); ++index) {
            const OutboxRow &row = batch.rows.at(index);
            if (row.table == Table::Answers) {
                m_sent[row.localId - 1] = true;
                if (refused.contains(index))
                    setAside.append(int(row.localId));
            }
        }
        return true;
    }
    QList<int> sent() const
    {
        QList<int> numbers;
        for (int i = 0; i < m_sent.size(); ++i)
            if (m_sent[i])
                numbers.append(i + 1);
        return numbers;
    }

    bool failMarking = false;
    QList<int> setAside; // answers the server refused for good

private:
    QList<bool> m_sent;
};

// A server with a unique key on the answer's number: what it has committed, in the order it
// first took each answer.
class FakeServer final : public ServerLink
{
public:
    // ok, down, refuse, drop3, lost; bad7: answer 7's data is refused for good
    QString behaviour = QStringLiteral("ok");
    QList<int> committed;
    int inserts = 0; // statements run, copies refused by the key included
    bool connected = false;

    bool connect() override { return connected = behaviour != QLatin1String("down"); }
    Delivery send(const Batch &batch) override
    {
        if (!connected || behaviour == QLatin1String("refuse"))
            return {};
        QList<int> transaction;
        Delivery delivery;
        for (int index = 0; index < batch.rows.size(); ++index) {
            const OutboxRow &row = batch.rows.at(index);
            if (row.table != Table::Answers)
                continue;
            if (behaviour == QLatin1String("drop3") && transaction.size() == 3) {
                connected = false; // the three inserted so far die with the connection
                return {};
            }
            ++inserts;
            const int number = row.values.at(1).toInt();
            if (behaviour == QLatin1String("bad7") && number == 7) {
                delivery.refused.append(index);
                continue;
            }
            if (!committed.contains(number) && !transaction.contains(number))
                transaction.append(number);
        }
        committed.append(transaction);
        // "lost": the commit reached the server, its answer did not reach us.
        delivery.committed = behaviour != QLatin1String("lost");
        return delivery;
    }
    void disconnect() override { connected = false; }
};

} // namespace

class TestSenderMachine : public QObject
{
    Q_OBJECT

private slots:
    void sendsEachAnswerOnce_data();
    void sendsEachAnswerOnce();
    void refusedRowIsSetAsideAndTheRestFlows();
};

void TestSenderMachine::sendsEachAnswerOnce_data()
{
    QTest::addColumn<int>("answers");
    QTest::addColumn<QString>("steps"); // the server's behaviour at each step; "busy": ours
    QTest::addColumn<QString>("waits"); // milliseconds to the next step after each
    QTest::addColumn<int>("inserts");

    QTest::newRow("send in batches") << 100 << "ok ok ok ok"
                                     << "0 0 2000 2000" << 100;
    QTest::newRow("nothing to send, no connection") << 0 << "down ok"
                                                    << "2000 2000" << 0;
    QTest::newRow("server refuses, then takes it") << 40 << "refuse refuse ok ok"
                                                   << "1000 2000 0 2000" << 40;
    QTest::newRow("server away: backoff up to 30 s")
        << 10 << "down down down down down down down down ok"
        << "1000 2000 4000 8000 16000 30000 30000 30000 2000" << 10;
    QTest::newRow("connection drops mid-batch: all of it again") << 50 << "drop3 ok ok"
                                                                 << "1000 0 2000" << 53;
    QTest::newRow("commit done, reply lost: sent again, kept once") << 50 << "lost ok ok"
                                                                    << "1000 0 2000" << 90;
    QTest::newRow("own file busy when marking: sent again, kept once") << 30 << "busy ok ok"
                                                                       << "2000 2000 2000" << 60;
}

void TestSenderMachine::sendsEachAnswerOnce()
{
    QFETCH(int, answers);
    QFETCH(QString, steps);
    QFETCH(QString, waits);
    QFETCH(int, inserts);

    FakeOutbox outbox(answers);
    FakeServer server;
    SenderMachine machine(outbox, server);
    QStringList seen;
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        outbox.failMarking = step == QLatin1String("busy");
        server.behaviour = outbox.failMarking ? QStringLiteral("ok") : step;
        seen.append(QString::number(machine.step().nextInMilliseconds));
        // Never marked sent before the server committed it.
        for (int number : outbox.sent())
            QVERIFY2(server.committed.contains(number), qPrintable(QString::number(number)));
    }
    QCOMPARE(seen.join(QLatin1Char(' ')), waits);
    QList<int> inOrder;
    for (int i = 1; i <= answers; ++i)
        inOrder.append(i);
    QCOMPARE(server.committed, inOrder);
    QCOMPARE(outbox.sent(), inOrder);
    QCOMPARE(server.inserts, inserts);
    QVERIFY(!machine.serverAway());
}

void TestSenderMachine::refusedRowIsSetAsideAndTheRestFlows()
{
    FakeOutbox outbox(50);
    FakeServer server;
    server.behaviour = QStringLiteral("bad7");
    SenderMachine machine(outbox, server);
    QCOMPARE(machine.step().answersSent, 39); // the first forty, but answer 7
    QCOMPARE(machine.step().answersSent, 10);
    QCOMPARE(outbox.setAside, QList<int> { 7 });
    QCOMPARE(outbox.sent().size(), 50); // nothing left to hold the sending up
    QVERIFY(!server.committed.contains(7));
    QCOMPARE(server.committed.size(), 49);
    QCOMPARE(machine.step().nextInMilliseconds, SenderMachine::IdleMilliseconds);
    QCOMPARE(server.inserts, 50);
}

QTEST_GUILESS_MAIN(TestSenderMachine)
#include "tst_sendermachine.moc"
