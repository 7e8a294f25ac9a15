// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/ServiceName.h"

#include <QTest>

class TestServiceName : public QObject
{
    Q_OBJECT

private slots:
    // The school's setting names a libpq service and nothing more: a name that could carry
    // options of its own into the connection, or that no service file could hold, is refused.
    void onlyPlainNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "scuola" << true;
        QTest::newRow("every kind of sign") << "Lab_2.piano-1" << true;
        QTest::newRow("63 signs") << QString(63, u'a') << true;
        QTest::newRow("64 signs") << QString(64, u'a') << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("an option") << "scuola host=altrove" << false;
        QTest::newRow("an assignment") << "host=altrove" << false;
        QTest::newRow("quoted") << "'scuola'" << false;
        QTest::newRow("a separator") << "scuola;dbname=x" << false;
        QTest::newRow("a letter outside ASCII") << "scuolà" << false;
        QTest::newRow("a digit outside ASCII") << QStringLiteral("lab\u0663") << false;
    }
    void onlyPlainNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(SchoolServer::isValidServiceName(name), valid);
    }
};

QTEST_APPLESS_MAIN(TestServiceName)
#include "tst_servicename.moc"
