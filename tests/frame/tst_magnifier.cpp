// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/Magnifier.h"

#include <QLabel>
#include <QTest>

class TestMagnifier : public QObject
{
    Q_OBJECT

private slots:
    // What the screen does while magnified (a control moved on one axis, a font or a colour
    // set, a control made) is scaled and contrasted in its turn; back at factor 1 without
    // contrast, every control is as the screen last gave it.
    void followsTheScreenAndGivesItBack()
    {
        QWidget client;
        client.setFixedSize(200, 100);
        auto *label = new QLabel(QStringLiteral("7"), &client);
        label->setGeometry(10, 20, 30, 40);
        QFont given = label->font();
        given.setPointSizeF(10);
        label->setFont(given);
        auto *inherits = new QLabel(QStringLiteral("-"), &client);
        const double inheritedPoints = inherits->font().pointSizeF();
        client.show();

        Magnifier magnifier(&client);
        magnifier.apply(1.5, true);
        QCOMPARE(client.minimumSize(), QSize(300, 150));
        QCOMPARE(label->geometry(), QRect(15, 30, 45, 60));
        QCOMPARE(label->font().pointSizeF(), 15.0);
        QCOMPARE(inherits->font().pointSizeF(), inheritedPoints * 1.5);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(client.palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(client.autoFillBackground());
        QCOMPARE(Magnifier::factorOf(label), 1.5);

        label->move(20, label->y());
        QCOMPARE(label->geometry(), QRect(30, 30, 45, 60));
        given.setPointSizeF(12);
        label->setFont(given);
        QCOMPARE(label->font().pointSizeF(), 18.0);
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(red);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        auto *made = new QLabel(&client);
        made->setGeometry(40, 0, 10, 10);
        made->show();
        QCOMPARE(made->geometry(), QRect(60, 0, 15, 15));

        magnifier.apply(1.0, false);
        QCOMPARE(client.minimumSize(), QSize(200, 100));
        QCOMPARE(label->geometry(), QRect(20, 20, 30, 40));
        QCOMPARE(made->geometry(), QRect(40, 0, 10, 10));
        QCOMPARE(label->font().pointSizeF(), 12.0);
        QCOMPARE(inherits->font().pointSizeF(), inheritedPoints);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(label->palette().color(QPalette::Window),
            QApplication::palette().color(QPalette::Window));
        QVERIFY(!client.autoFillBackground());
        QCOMPARE(Magnifier::factorOf(label), 1.0);
    }
};

QTEST_MAIN(TestMagnifier)
#include "tst_magnifier.moc"
