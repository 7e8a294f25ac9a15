// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeSpooler.h"
#include "core/JobWatch.h"
#include "desktop/QtPrinterQueue.h"

#include <QFile>
#include <QTest>

// The desktop's printer queue on a scripted spooler: what it hands over, what it tells when
// the spooler refuses, and which later failures of an accepted job reach the pupil.
class TestPrinterQueue : public QObject
{
    Q_OBJECT

private slots:
    void jobFromSubmitToEnd_data()
    {
        QTest::addColumn<int>("nextJob");
        QTest::addColumn<JobState>("jobsRead");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QList<JobFailure>>("failures");
        const QList<JobFailure> none;
        QTest::newRow("taken, printed") << 7 << JobState::Completed << QString() << none;
        QTest::newRow("refused") << 0 << JobState::Completed
                                 << QStringLiteral("Stampa non riuscita: la stampante Aula 3 ha "
                                                   "rifiutato il foglio (Job refused).")
                                 << none;
        QTest::newRow("taken, aborted")
            << 7 << JobState::Aborted << QString() << QList<JobFailure> { JobFailure::Aborted };
        QTest::newRow("taken, cancelled")
            << 7 << JobState::Canceled << QString() << QList<JobFailure> { JobFailure::Canceled };
    }
    void jobFromSubmitToEnd()
    {
        QFETCH(int, nextJob);
        QFETCH(JobState, jobsRead);
        QFETCH(QString, error);
        QFETCH(QList<JobFailure>, failures);
        FakeSpooler *spooler = nullptr;
        int loads = 0;
        QtPrinterQueue queue([&] {
            ++loads;
            auto fake = std::make_unique<FakeSpooler>();
            fake->nextJob = nextJob;
            fake->jobsRead = jobsRead;
            spooler = fake.get();
            return fake;
        });

        QCOMPARE(queue.defaultPrinter().kind, PrinterState::Ready);
        const QString file = queue.pageFile();
        QFile page(file);
        QVERIFY2(page.open(QIODevice::WriteOnly), qPrintable(file));
        page.close();
        QCOMPARE(queue.submit(file), nextJob > 0);
        QCOMPARE(queue.errorText(), error);
        QCOMPARE(spooler->submitted, QStringList { QStringLiteral("Aula_3 ") + file });
        QVERIFY(!QFile::exists(file));

        QList<JobFailure> told;
        queue.watchJob([&](JobFailure failure) { told.append(failure); });
        if (nextJob > 0)
            QTRY_VERIFY(spooler->stateReads > 0);
        else
            QTest::qWait(2 * JobWatch::IntervalMs);
        QCOMPARE(spooler->stateReads, nextJob > 0 ? 1 : 0);
        QCOMPARE(told, failures);
        QCOMPARE(loads, 1);
    }
};

QTEST_GUILESS_MAIN(TestPrinterQueue)
#include "tst_printerqueue.moc"
