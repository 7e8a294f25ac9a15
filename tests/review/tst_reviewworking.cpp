// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "core/ErrorRules.h"
#include "core/Scoring.h"
#include "core/SessionRecord.h"
#include "review/FrmRipasso.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

// The worked solution in the review: after a wrong answer to an operation whose units need a
// ten, in place of the keypad and said with the focused button; never otherwise.
class TestReviewWorking : public QObject
{
    Q_OBJECT

private slots:
    void shownAfterAWrongAnswerWithABorrow()
    {
        SessionRecord session;
        session.RangeLevel = 6;
        session.AskedTermLow = session.AskedTermHigh = 1;
        const struct
        {
            int difference, subtrahend;
            bool right;
        } judged[] = { { 36, 17, false }, { 20, 11, false }, { 30, 5, true }, { 41, 12, true } };
        for (const auto &operation : judged) {
            ++session.OpCount;
            session.Difference = operation.difference;
            session.Subtrahend = operation.subtrahend;
            session.AskedTerm = 1;
            Exercise::recordJudgement(session, QString(), operation.right);
        }
        FakeServices services;
        services.registry.setFactory(ScreenId::Review, [&] {
            return new FrmRipasso(
                session, { services, services, services, services, services.pupilRegister() });
        });
        Screen *review = services.registry.show(ScreenId::Review);
        QVERIFY(QTest::qWaitForWindowActive(review));
        QWidget *working = review->findChild<QWidget *>(QStringLiteral("picColonna"));
        QWidget *keypad = review->findChild<QWidget *>(QStringLiteral("fraTastierino"));
        QWidget *operation = review->findChild<QWidget *>(QStringLiteral("frmNumero"));
        QVERIFY(working && keypad && operation);

        // What a screen reader hears first of a control: the hidden label that names it.
        auto heardFirst = [review](QWidget *control) {
            const auto *label =
                review->findChild<QLabel *>(control->objectName() + QStringLiteral("Label"));
            return label ? label->text() : QString();
        };
        QWidget *answer = review->findChild<QWidget *>(QStringLiteral("TxtRisultato"));
        int missedSeen = 0;
        for (int question = 0; question < 6 && operation->isVisible(); ++question) {
            // "53 meno 17 uguale quanto?"
            const QStringList words = heardFirst(answer).split(QLatin1Char(' '));
            const int minuend = words.value(0).toInt();
            const int subtrahend = words.value(2).toInt();
            const bool borrow = Analysis::kindOf(minuend, subtrahend) == Analysis::Kind::WithBorrow;
            QVERIFY(!working->isVisible());
            QVERIFY(keypad->isVisible());
            QTest::keyClicks(QApplication::focusWidget(),
                QString::number(minuend - subtrahend + 1)); // one off
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(working->isVisible(), borrow);
            QCOMPARE(keypad->isVisible(), !borrow);
            const QString said = heardFirst(QApplication::focusWidget());
            QCOMPARE(said.contains(QStringLiteral("Cambio una decina in 10 unità")), borrow);
            if (borrow)
                QCOMPARE(working->accessibleDescription(), said.mid(said.indexOf("Cambio")));
            if (minuend == 53 && subtrahend == 17) {
                ++missedSeen;
                QCOMPARE(said,
                    QStringLiteral("Errato. Il risultato giusto è 36. Cambio una decina in 10 "
                                   "unità: 13 meno 7 fa 6. Restano 4 decine: 4 meno 1 fa 3. Il "
                                   "risultato è 36."));
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY(missedSeen >= 1);
    }
};

QTEST_MAIN(TestReviewWorking)
#include "tst_reviewworking.moc"
