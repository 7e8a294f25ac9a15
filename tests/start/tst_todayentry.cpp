// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeReader.h"
#include "FakeServices.h"
#include "core/SessionRecord.h"
#include "start/FrmInizio.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// "Allenamento di oggi" on the start screen: where it is, when it shows, and what it hands the
// exercise screen.
class TestTodayEntry : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        SessionRecord session;
        FakeServices services;
        FrmInizio *screen = nullptr;
        int exerciseShown = 0;

        // The register on with this content, or off.
        explicit Fixture(const std::optional<FakeReader::Content> &content)
        {
            if (content)
                services.readerOpener = FakeReader::opener(*content);
            services.day = Yesterday.addDays(1);
            services.registry.setFactory(ScreenId::Exercise, [this] {
                ++exerciseShown;
                return new Screen;
            });
            screen =
                new FrmInizio(session, services.screens(), services, services, services, services);
            screen->show();
            QVERIFY(QTest::qWaitForWindowActive(screen));
        }
        ~Fixture()
        {
            delete screen;
            flushDeletedScreens();
        }
        QPushButton *button(const char *name) const
        {
            return screen->findChild<QPushButton *>(QString::fromLatin1(name));
        }
        QLabel *loading() const { return screen->findChild<QLabel *>(QStringLiteral("lblCarico")); }
        void acceptName()
        {
            auto *name = screen->findChild<QLineEdit *>(QStringLiteral("txtNome"));
            QTest::keyClicks(name, QStringLiteral("Nina"));
            QTest::keyClick(name, Qt::Key_Return);
        }
    };

    static inline const QDate Yesterday { 2026, 12, 7 };
    static inline const Practice::Operation Missed { 8, 3, 1 };

    // Yesterday's session of Nina: 8 - 3 missed, a few others right.
    static FakeReader::Content ninaYesterday()
    {
        Hypothesis::DatedSession session { Yesterday, {} };
        for (int subtrahend = 0; subtrahend < 8; ++subtrahend) {
            const bool right = subtrahend != Missed.subtrahend;
            session.operations.append(
                { true, 8, subtrahend, 1, QString::number(right ? 8 - subtrahend : 9), right, 2 });
        }
        FakeReader::Content content;
        content.practice[QStringLiteral("nina")].history = { session };
        return content;
    }

private slots:
    // Hidden until the name is accepted, then between the last range button and E S C I for Tab;
    // Enter on it puts yesterday's miss among the forty and opens the exercise screen once.
    void keyboardReachesItAndItPlans()
    {
        Fixture f(ninaYesterday());
        QPushButton *entry = f.button("cmdAllenamento");
        QVERIFY(entry);
        QCOMPARE(entry->text(), QStringLiteral("Allenamento di oggi"));
        QVERIFY(!entry->isVisible());
        f.acceptName();
        QVERIFY(entry->isVisible());
        QCOMPARE(QApplication::focusWidget(), f.button("Command1"));
        for (int tab = 0; tab < 6; ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), entry);
        QTest::keyClick(entry, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.button("Command9"));

        QTest::keyClick(f.button("Command9"), Qt::Key_Backtab);
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(f.exerciseShown, 1);
        QCOMPARE(f.session.PlannedOperations.size(), Practice::PlanSize);
        QVERIFY(f.session.PlannedOperations.contains(Missed));
        QVERIFY(f.session.RangeLevel >= 1 && f.session.RangeLevel <= 6);
        QVERIFY(!f.session.ModeCaption.isEmpty());
        QVERIFY(!f.loading()->isVisible());
    }

    // The accommodations go on the record when the name is accepted: the pupil's from the
    // register, or with the register off every pupil's from the PC's settings, read safely.
    void measuresOnTheRecordAtTheName()
    {
        {
            FakeReader::Content content = ninaYesterday();
            content.measures[QStringLiteral("nina")] = { true, 6, true, false, true };
            Fixture f(content);
            f.acceptName();
            QCOMPARE(
                f.session.PupilMeasures, Measures::PupilMeasures({ true, 6, true, false, true }));
        }
        QTemporaryDir dir;
        QFile file(dir.filePath(QCoreApplication::applicationName() + QStringLiteral(".conf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Misure]\nTempoNascosto=true\nOperazioniPerEsercizio=3\nLeggiAdAltaVoce=forse\n"
                   "Aiuto=1\n");
        file.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.path());
        Fixture f(std::nullopt);
        f.session.PupilMeasures.largeContrast = true; // a previous pupil's
        f.acceptName();
        QTRY_COMPARE(
            f.session.PupilMeasures, Measures::PupilMeasures({ true, 5, false, false, true }));
    }

    void hiddenWhenTheRegisterIsOff()
    {
        Fixture f(std::nullopt);
        f.acceptName();
        QVERIFY(!f.button("cmdAllenamento")->isVisible());
        for (int tab = 0; tab < 6; ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.button("Command9"));
    }

    // A slow register: the screen keeps answering, says "Carico…", takes no second press, and
    // opens the exercise screen once the plan is made.
    void slowReadSaysLoading()
    {
        FakeReader::Content content = ninaYesterday();
        content.held = std::make_shared<QSemaphore>();
        Fixture f(content);
        f.services.readerWhere = Register::ReaderThread::Where::OwnThread;
        f.acceptName();
        QPushButton *entry = f.button("cmdAllenamento");
        QTest::mouseClick(entry, Qt::LeftButton);
        QTest::mouseClick(entry, Qt::LeftButton);
        QTRY_VERIFY(f.loading()->isVisible());
        QCOMPARE(f.loading()->text(), QStringLiteral("Carico…"));
        QCOMPARE(f.exerciseShown, 0);
        content.held->release(4);
        QTRY_COMPARE(f.exerciseShown, 1);
        QVERIFY(!f.loading()->isVisible());
    }

    void failedReadStartsNothing()
    {
        FakeReader::Content content = ninaYesterday();
        content.failing = true;
        Fixture f(content);
        f.acceptName();
        f.button("cmdAllenamento")->click();
        QCOMPARE(f.exerciseShown, 0);
        QVERIFY(f.session.PlannedOperations.isEmpty());
        QCOMPARE(f.loading()->text(), Register::readFailedText());
    }
};

QTEST_MAIN(TestTodayEntry)
#include "tst_todayentry.moc"
