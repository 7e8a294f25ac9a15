// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "core/ReviewInput.h"
#include "core/Scoring.h"
#include "core/SessionRecord.h"
#include "exercise/FrmOperativoMeno.h"
#include "review/FrmRipasso.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

// The value the box hides, read from the operation as a screen reader speaks it:
// "15 meno 7 uguale quanto?".
QString expectedFrom(const QString &spoken)
{
    const QStringList words = spoken.split(QLatin1Char(' '));
    if (words.size() != 5)
        return QString();
    const int minuend = words.at(0).toInt();
    const int subtrahend = words.at(2).toInt();
    const int difference = words.at(4).toInt();
    if (words.at(0) == QLatin1String("?"))
        return QString::number(subtrahend + difference);
    if (words.at(2) == QLatin1String("?"))
        return QString::number(minuend - difference);
    return QString::number(minuend - subtrahend);
}

} // namespace

class TestReviewScreen : public QObject
{
    Q_OBJECT

    SessionRecord *session = nullptr;
    FakeServices *services = nullptr;

    template <class T = QWidget> static T *on(Screen *screen, const char *name)
    {
        T *widget = screen->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qWarning("no control %s", name);
        return widget;
    }

    static QString expectedOn(Screen *review)
    {
        return expectedFrom(on<QLabel>(review, "TxtRisultatoLabel")->text());
    }

    // Answers the question on show by keyboard alone (digits, Enter) and presses Enter again on
    // the control that then has the focus; returns the verdict shown.
    static QString answerByKeyboard(Screen *review, const QString &answer)
    {
        QWidget *box = QApplication::focusWidget();
        if (box != on(review, "TxtRisultato"))
            return QStringLiteral("focus not in the answer box");
        QTest::keyClicks(box, answer);
        QTest::keyClick(box, Qt::Key_Return);
        const QString verdict = on<QLabel>(review, "LblEsito")->accessibleName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return verdict;
    }

private slots:
    void init()
    {
        session = new SessionRecord;
        session->RangeLow = 1;
        session->RangeHigh = 10;
        session->RangeLevel = 1;
        session->AskedTermLow = 1;
        session->AskedTermHigh = 1;
        services = new FakeServices;
        services->registry.setFactory(ScreenId::Exercise, [this] {
            return new FrmOperativoMeno(*session,
                { *services, *services, *services, *services, *services, services->screens(),
                    services->random(), services->pupilRegister() });
        });
        services->registry.setFactory(ScreenId::Review, [this] {
            return new FrmRipasso(*session,
                { *services, *services, *services, *services, services->pupilRegister() });
        });
    }
    void cleanup()
    {
        delete services;
        flushDeletedScreens();
        delete session;
    }

    // One missed operation among known ones, played by keyboard: a wrong answer shows the right
    // one, the end counts what was reviewed, and Enter goes back.
    void playedByKeyboard()
    {
        const struct
        {
            int difference, subtrahend;
            bool right;
        } judged[] = { { 2, 3, true }, { 4, 1, false }, { 1, 1, true }, { 3, 0, true } };
        for (const auto &operation : judged) {
            ++session->OpCount;
            session->Difference = operation.difference;
            session->Subtrahend = operation.subtrahend;
            session->AskedTerm = 1;
            Exercise::recordJudgement(*session, QString(), operation.right);
        }
        const SessionRecord before = *session;

        Screen *review = services->registry.show(ScreenId::Review);
        QVERIFY(QTest::qWaitForWindowActive(review));
        QCOMPARE(review->windowTitle(), QStringLiteral("RIPASSO"));
        QCOMPARE(on<QLabel>(review, "TxtRisultatoLabel")->text(),
            QStringLiteral("5 meno 1 uguale quanto?"));

        // The first ask wrong: the right result stays on show until Enter.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QVERIFY(on(review, "cmdVerifica")->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(on<QLabel>(review, "LblEsito")->text(), QStringLiteral("E R R A T O"));
        QCOMPARE(
            on<QLabel>(review, "lblGiusto")->text(), QStringLiteral("Il risultato giusto è 4"));
        QCOMPARE(QApplication::focusWidget(), on(review, "cmdAvanti"));
        QCOMPARE(on(review, "cmdAvanti")->accessibleName(), QStringLiteral("Avanti"));
        QCOMPARE(on<QLabel>(review, "cmdAvantiLabel")->text(),
            QStringLiteral("Errato. Il risultato giusto è 4."));
        QVERIFY(!on(review, "fraTastierino")->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(on<QLabel>(review, "lblGiusto")->text().isEmpty());

        // Then everything right: the plan's five other questions and the one added at the end.
        int questions = 1;
        while (on(review, "frmNumero")->isVisible()) {
            QCOMPARE(answerByKeyboard(review, expectedOn(review)), QStringLiteral("Esatto"));
            ++questions;
        }
        QCOMPARE(questions, 7);
        QCOMPARE(services->sounds.size(), 6);
        QCOMPARE(on<QLabel>(review, "lblFine")->text(),
            QStringLiteral("Hai ripassato 1 operazione: ora ne sai fare 1!"));
        QCOMPARE(QApplication::focusWidget(), on(review, "cmdTorna"));
        QCOMPARE(
            on<QLabel>(review, "cmdTornaLabel")->text(), on<QLabel>(review, "lblFine")->text());
        QCOMPARE(on(review, "cmdTorna")->accessibleName(), QStringLiteral("Torna agli esercizi"));

        QCOMPARE(session->ReviewedOperations, 1);
        QCOMPARE(session->ReviewedNowRight, 1);
        SessionRecord withoutOutcome = *session;
        withoutOutcome.ReviewedOperations = 0;
        withoutOutcome.ReviewedNowRight = 0;
        QVERIFY(withoutOutcome == before);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!services->registry.existing(ScreenId::Review));
    }

    // From the exercise screen: offered only at the end of an exercise with a wrong answer; while
    // it is open the exercise screen waits; closed, it leaves that screen and the session as
    // they were.
    void fromTheExerciseScreen()
    {
        auto *exercise = services->registry.show(ScreenId::Exercise);
        QVERIFY(QTest::qWaitForWindowActive(exercise));
        auto *menuEntry = on<QAction>(exercise, "mnuRipasso");
        auto *box = on<QLineEdit>(exercise, "TxtRisultato");
        for (int op = 1; op <= 10; ++op) {
            QVERIFY(!menuEntry->isEnabled());
            const bool right = op != 3 && op != 7;
            const QString expected = session->ExpectedAnswerText;
            QTest::keyClicks(box, right ? expected : expected + QLatin1Char('0'));
            QTest::keyClick(box, Qt::Key_Return);
            if (op < 10) {
                QVERIFY(!menuEntry->isEnabled());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
        }
        QVERIFY(menuEntry->isEnabled());
        QCOMPARE(QApplication::focusWidget(), on(exercise, "CmdEsercizio"));
        const SessionRecord before = *session;

        // File opens on Alt and Down at its first entry that works: "Ripasso degli errori".
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        Screen *review = services->registry.existing(ScreenId::Review);
        QVERIFY(review && review->isVisible());
        QVERIFY(!exercise->client()->isEnabled());
        QVERIFY(QTest::qWaitForWindowActive(review));
        while (on(review, "frmNumero")->isVisible())
            answerByKeyboard(review, expectedOn(review));
        QCOMPARE(on<QLabel>(review, "lblFine")->text(),
            QStringLiteral("Hai ripassato 2 operazioni: ora ne sai fare 2!"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!services->registry.existing(ScreenId::Review));

        QVERIFY(exercise->client()->isEnabled());
        QCOMPARE(exercise->focusWidget(), on(exercise, "CmdEsercizio"));
        QVERIFY(on(exercise, "CmdEsercizio")->isVisible());
        // The verdict read with "Nuovo esercizio" before the review is no news after it.
        QVERIFY(on<QLabel>(exercise, "CmdEsercizioLabel")->text().isEmpty());
        SessionRecord withoutOutcome = *session;
        withoutOutcome.ReviewedOperations = 0;
        withoutOutcome.ReviewedNowRight = 0;
        QVERIFY(withoutOutcome == before);
        QCOMPARE(session->ReviewedOperations, 2);
    }
};

QTEST_MAIN(TestReviewScreen)
#include "tst_reviewscreen.moc"
