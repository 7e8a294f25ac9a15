// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// Timings of the register on a generated school year: a class of 30 pupils, 200 sessions each
// of 40 answers (240 000 answers). Measures the class overview as the teacher's screen asks for
// it (file opened and checked, then queried), one pupil's chart points and session list, the
// whole class's CSV, a judged answer and a session's end from their hand-over to their commit on
// the disk; checks once that the overview's hypotheses and families learned are those judged
// again from every answer.
//
//   vovo_registerbench ROUNDS FOLDER [PUPILS SESSIONS]
// prints one line per measurement: name median min max (milliseconds) and the samples, then
// the file's size.

#include "Samples.h"
#include "SchoolYear.h"
#include "core/PupilKey.h"
#include "core/StartChoices.h"
#include "register/CsvExport.h"
#include "register/FamilyMastery.h"
#include "register/RegisterFile.h"
#include "register/RegisterQueries.h"
#include "register/SqliteRegister.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdio>
#include <ctime>

using namespace Register;

namespace {

// The class's open hypotheses as the overview gives them, against each pupil's judged again
// from every answer: the same, or the run stops.
void checkHypotheses(RegisterQueries &queries, const QList<PupilOverview> &overview)
{
    int open = 0;
    for (const PupilOverview &pupil : overview) {
        const QList<Hypothesis::Found> judged =
            Hypothesis::stillOpen(queries.datedSessions(pupil.key));
        bool same = judged.size() == pupil.openHypotheses.size();
        for (qsizetype i = 0; same && i < judged.size(); ++i)
            same = judged[i].label == pupil.openHypotheses[i].label
                && judged[i].status.state == pupil.openHypotheses[i].status.state
                && judged[i].status.firstSeen == pupil.openHypotheses[i].status.firstSeen;
        if (!same)
            qFatal(
                "the overview's hypotheses of %s differ from its answers'", qPrintable(pupil.key));
        open += int(judged.size());
    }
    std::fprintf(
        stderr, "open hypotheses in the class: %d, the same as judged from the answers\n", open);
}

// The families learned as the overview reads them, against each pupil's judged again from
// every answer with its seconds: the same, or the run stops.
void checkMastery(RegisterQueries &queries, const QList<PupilOverview> &overview)
{
    qsizetype learned = 0;
    for (const PupilOverview &pupil : overview) {
        if (learnedFamilies(queries.practiceFacts(pupil.key).history) != pupil.familiesLearned)
            qFatal("the overview's families learned by %s differ from its answers'",
                qPrintable(pupil.key));
        learned += pupil.familiesLearned.size();
    }
    std::fprintf(stderr,
        "families learned in the class: %lld, the same as judged from the answers\n",
        static_cast<long long>(learned));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const QDir folder(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath());
    SchoolYear year;
    if (argc > 4) {
        year.pupils = std::max(1, atoi(argv[3]));
        year.sessionsPerPupil = std::max(1, atoi(argv[4]));
    }
    const QString path = folder.filePath(QStringLiteral("registro.sqlite"));
    folder.mkpath(QStringLiteral("."));
    QFile::remove(path);

    QElapsedTimer timer;
    timer.start();
    if (!year.generate(path)) {
        std::fprintf(stderr, "the register could not be generated in %s\n", qPrintable(path));
        return 1;
    }
    std::fprintf(stderr, "generated in %.1f s\n", timer.elapsed() / 1000.0);
    const double fileMiB = QFileInfo(path).size() / (1024.0 * 1024.0);

    Samples samples;
    // Wall time, and the processor time of this thread: on a shared machine the first says what a
    // user waits, the second what the work costs.
    auto time = [&](const char *name, const std::function<void()> &work) {
        timespec cpuStart {};
        timespec cpuEnd {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuStart);
        timer.restart();
        work();
        samples.add(QString::fromLatin1(name), elapsedMs(timer));
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuEnd);
        samples.add(QString::fromLatin1(name) + QStringLiteral("_cpu"),
            (cpuEnd.tv_sec - cpuStart.tv_sec) * 1e3 + (cpuEnd.tv_nsec - cpuStart.tv_nsec) / 1e6);
    };
    for (int round = 0; round < rounds; ++round) {
        const QString key = pupilKey(SchoolYear::pupilName(round % year.pupils));
        std::unique_ptr<RegisterQueries> queries;
        QList<PupilOverview> overview;
        time("register_class_overview", [&] {
            queries = std::make_unique<RegisterQueries>(path);
            overview = queries->classOverview();
        });
        if (overview.size() != year.pupils)
            qFatal("the overview misses pupils");
        if (round == 0) {
            checkHypotheses(*queries, overview);
            checkMastery(*queries, overview);
        }
        time("register_pupil_chart", [&] {
            if (queries->progress(key).size() != year.sessionsPerPupil)
                qFatal("the chart misses days");
        });
        time("register_pupil_sessions", [&] { queries->sessions(key); });
        // What the progress screen reads to celebrate a wrong procedure overcome.
        time("register_pupil_hypotheses", [&] { Hypothesis::found(queries->datedTallies(key)); });
        time("register_class_csv", [&] {
            if (exportCsv(*queries, QString(), folder.filePath(QStringLiteral("classe.csv")))
                < year.answers())
                qFatal("the CSV misses answers");
        });
    }

    // Answers written as the exercise screen hands them over, on the generated year.
    {
        SqliteRegister reg({ path, true });
        QRandomGenerator random(7);
        QDateTime clock = QDateTime::currentDateTime();
        reg.sessionStarted({ QStringLiteral("Luca"), 1, 4, 10, 40, clock });
        reg.waitUntilWritten();
        for (int n = 1; n <= rounds * 10 && n <= year.answersPerSession; ++n) {
            const int minuend = random.bounded(10, 41);
            const int subtrahend = random.bounded(0, minuend);
            const bool right = random.bounded(5) != 0;
            clock = clock.addSecs(4);
            const Answer answer { n, minuend, subtrahend, 1, minuend - subtrahend,
                QString::number(minuend - subtrahend + (right ? 0 : 1)), right, 3.5, clock };
            time("register_answer_durable", [&] {
                reg.answerJudged(answer);
                reg.waitUntilWritten();
            });
        }
        // The end of the session of a pupil with a year behind him: his families learned are
        // judged again from every answer of his and kept.
        time("register_session_end_durable", [&] {
            reg.sessionEnded({ Ending::Completed, clock.addSecs(5) });
            reg.waitUntilWritten();
        });
        if (reg.status().answersNotKept != 0)
            qFatal("answers were not kept");
    }

    samples.print();
    std::printf("register_file_mib %.1f %.1f %.1f n=1\n", fileMiB, fileMiB, fileMiB);
    return 0;
}
