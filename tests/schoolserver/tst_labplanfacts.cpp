// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/LabPlanFacts.h"

#include <QTest>

using namespace SchoolServer;

namespace {

Register::StoredSession pcSession(const QString &id, const QDate &day, int answers)
{
    Register::StoredSession stored { id, { day, {} } };
    for (int n = 0; n < answers; ++n) {
        JudgedOperation operation;
        operation.judged = true;
        operation.minuend = 10 + n;
        operation.subtrahend = 3;
        operation.askedTerm = 1;
        operation.answer = QString::number(7 + n);
        operation.right = true;
        operation.seconds = 2;
        stored.session.operations.append(operation);
    }
    return stored;
}

} // namespace

class TestLabPlanFacts : public QObject
{
    Q_OBJECT

private slots:
    // lab_plan_facts as the server writes it: the digest is SHA-256 of the session's id, the
    // seconds rounded down as the exercise timed them, the families by their codes.
    void serverAnswerRead()
    {
        const auto facts = planFactsOfJson(R"({"assignment" : {"families" : "passa entro10 nuova",
            "range_level" : 2}, "sessions" : [{"digest" : "e8bc163c82eee18733288c7d4ac636db3a6deb013ef2d37b68322be20edc45cc",
            "day" : "2026-12-01", "answers" : [[7, 3, 1, "4", 1, 2.5], [9, 3, 1, "=5", 0, 3]]}]})");
        QVERIFY(facts);
        QCOMPARE(facts->assignment->families,
            QList<Practice::Family>(
                { Practice::Family::WithinTen, Practice::Family::BridgingTen }));
        QCOMPARE(facts->assignment->rangeLevel, 2);
        QCOMPARE(facts->sessions.size(), 1);
        QCOMPARE(facts->sessions[0].digest, sessionDigest(QStringLiteral("s1")));
        const QList<JudgedOperation> &operations = facts->sessions[0].session.operations;
        QCOMPARE(facts->sessions[0].session.day, QDate(2026, 12, 1));
        QCOMPARE(operations.size(), 2);
        QCOMPARE(operations[0].seconds, 2);
        QVERIFY(operations[0].right && !operations[1].right);
        QCOMPARE(operations[1].answer, QStringLiteral("=5"));

        const auto none = planFactsOfJson(R"({"assignment" : null, "sessions" : []})");
        QVERIFY(none && !none->assignment && none->sessions.isEmpty());
        QVERIFY(!planFactsOfJson("non è JSON"));
    }

    // The PC's own sessions as the PC has them (whole, where the server has one in part), the
    // server's others, by day; the procedures judged over them all; the server's assignment.
    void pcAndServerJoined()
    {
        const QDate monday(2026, 12, 7);
        ServerPlanFacts server;
        server.assignment = Practice::Assignment { { Practice::Family::NoBorrow }, 0 };
        server.sessions = { { sessionDigest(QStringLiteral("old")),
                                pcSession(QStringLiteral("old"), monday, 4).session },
            { sessionDigest(QStringLiteral("half")),
                pcSession(QStringLiteral("half"), monday.addDays(1), 2).session } };
        const QList<Register::StoredSession> pc { pcSession(
                                                      QStringLiteral("half"), monday.addDays(1), 5),
            pcSession(QStringLiteral("today"), monday.addDays(2), 3) };
        const Register::PracticeFacts facts = joinedFacts(pc, server);
        QCOMPARE(facts.history.size(), 3);
        QCOMPARE(facts.history[0].day, monday);
        QCOMPARE(facts.history[0].operations.size(), 4);
        QCOMPARE(facts.history[1].operations.size(), 5);
        QCOMPARE(facts.history[2].day, monday.addDays(2));
        QCOMPARE(
            facts.assignment->families, QList<Practice::Family> { Practice::Family::NoBorrow });

        // A pupil the server does not know: the PC's own sessions and no assignment.
        const Register::PracticeFacts alone = joinedFacts(pc, ServerPlanFacts {});
        QCOMPARE(alone.history.size(), 2);
        QVERIFY(!alone.assignment);
    }
};

QTEST_GUILESS_MAIN(TestLabPlanFacts)
#include "tst_labplanfacts.moc"
