// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// Timings of the register on a generated school year: a class of 30 pupils, 200 sessions each
// of 40 answers (240 000 answers). Measures the class overview as the teacher's screen asks for
// it (file opened and checked, then queried), one pupil's chart points and session list, the
// whole class's CSV, and a judged answer from its hand-over to its commit on the disk.
//
//   vovo_registerbench ROUNDS FOLDER
// prints one line per measurement: name median min max (milliseconds) and the samples, then
// the file's size.

#include "core/PupilKey.h"
#include "core/StartChoices.h"
#include "register/CsvExport.h"
#include "register/RegisterFile.h"
#include "register/RegisterQueries.h"
#include "register/RowWriter.h"
#include "register/SqliteRegister.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>
#include <ctime>

using namespace Register;

namespace {

constexpr int Pupils = 30;
constexpr int SessionsPerPupil = 200;
constexpr int AnswersPerSession = 40;

const char *const Names[Pupils] = { "Luca", "Giulia", "Marco", "Sofia", "Matteo", "Aurora",
    "Lorenzo", "Alice", "Leonardo", "Ginevra", "Francesco", "Emma", "Alessandro", "Giorgia",
    "Andrea", "Beatrice", "Gabriele", "Anna", "Riccardo", "Vittoria", "Tommaso", "Chiara",
    "Edoardo", "Martina", "Federico", "Noemi", "Davide", "Elena", "Pietro", "Sara" };

// The school days from mid-September, Monday to Friday.
QList<QDate> schoolDays()
{
    QList<QDate> days;
    for (QDate day(2026, 9, 14); days.size() < SessionsPerPupil; day = day.addDays(1)) {
        if (day.dayOfWeek() <= 5)
            days.append(day);
    }
    return days;
}

// One pupil's answer: right more often as the year goes on, each pupil from a level of their own.
Answer drawAnswer(QRandomGenerator &random, int number, int low, int high, int mode, double skill,
    QDateTime &clock)
{
    Answer answer;
    answer.operationNumber = number;
    answer.minuend = random.bounded(std::max(low, 2), high + 1);
    answer.subtrahend = random.bounded(0, answer.minuend);
    answer.askedTerm = mode == 1 ? 1 : mode == 2 ? random.bounded(2, 4) : random.bounded(1, 4);
    answer.expected = answer.askedTerm == 1 ? answer.minuend - answer.subtrahend
        : answer.askedTerm == 2             ? answer.minuend
                                            : answer.subtrahend;
    answer.right = random.generateDouble() < skill;
    const int wrong = answer.expected + (random.bounded(2) ? 10 : 1);
    answer.typed = QString::number(answer.right ? answer.expected : wrong);
    answer.seconds = std::round((1.5 + 8.0 * random.generateDouble() * (1.2 - skill)) * 10) / 10;
    clock = clock.addMSecs(static_cast<qint64>(answer.seconds * 1000) + 1500);
    answer.at = clock;
    return answer;
}

bool generate(const QString &path)
{
    const QString connection = QStringLiteral("generator");
    if (openFile(path, connection, PageCheck::None).state != State::Ready)
        return false;
    QSqlDatabase database = QSqlDatabase::database(connection);
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("BEGIN")))
        return false;
    QRandomGenerator random(20261208);
    const QList<QDate> days = schoolDays();
    for (int pupil = 0; pupil < Pupils; ++pupil) {
        const double start = 0.5 + 0.3 * random.generateDouble();
        for (int session = 0; session < SessionsPerPupil; ++session) {
            const double skill = std::min(0.97, start + 0.2 * session / SessionsPerPupil);
            const int level = random.bounded(1, 7);
            const auto &range = StartChoices::ranges()[level - 1];
            const int mode = random.bounded(1, 4);
            QDateTime clock(days[session], QTime(8, 30).addSecs(pupil * 600));
            const QString id = QStringLiteral("%1-%2").arg(pupil).arg(session);
            writeRow(database,
                StartRow { id,
                    { QString::fromLatin1(Names[pupil]), mode, level, range.low, range.high,
                        clock } });
            for (int n = 1; n <= AnswersPerSession; ++n)
                writeRow(database,
                    AnswerRow {
                        id, drawAnswer(random, n, range.low, range.high, mode, skill, clock) });
            writeRow(database, EndRow { id, { Ending::Completed, clock.addSecs(5) } });
        }
    }
    const bool done = query.exec(QStringLiteral("COMMIT"))
        && query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    query = QSqlQuery();
    database = QSqlDatabase();
    closeFile(connection);
    return done;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const QDir folder(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath());
    const QString path = folder.filePath(QStringLiteral("registro.sqlite"));
    QFile::remove(path);

    QElapsedTimer timer;
    timer.start();
    if (!generate(path)) {
        std::fprintf(stderr, "the register could not be generated in %s\n", qPrintable(path));
        return 1;
    }
    std::fprintf(stderr, "generated in %.1f s\n", timer.elapsed() / 1000.0);
    const double fileMiB = QFileInfo(path).size() / (1024.0 * 1024.0);

    QMap<QString, QList<double>> samples;
    // Wall time, and the processor time of this thread: on a shared machine the first says what a
    // user waits, the second what the work costs.
    auto time = [&](const char *name, const std::function<void()> &work) {
        timespec cpuStart {};
        timespec cpuEnd {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuStart);
        timer.restart();
        work();
        samples[QString::fromLatin1(name)].append(timer.nsecsElapsed() / 1e6);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuEnd);
        samples[QString::fromLatin1(name) + QStringLiteral("_cpu")].append(
            (cpuEnd.tv_sec - cpuStart.tv_sec) * 1e3 + (cpuEnd.tv_nsec - cpuStart.tv_nsec) / 1e6);
    };
    for (int round = 0; round < rounds; ++round) {
        const QString key = pupilKey(QString::fromLatin1(Names[round % Pupils]));
        std::unique_ptr<RegisterQueries> queries;
        time("register_class_overview", [&] {
            queries = std::make_unique<RegisterQueries>(path);
            if (queries->classOverview().size() != Pupils)
                qFatal("the overview misses pupils");
        });
        time("register_pupil_chart", [&] {
            if (queries->progress(key).size() != SessionsPerPupil)
                qFatal("the chart misses days");
        });
        time("register_pupil_sessions", [&] { queries->sessions(key); });
        time("register_class_csv", [&] {
            if (exportCsv(*queries, QString(), folder.filePath(QStringLiteral("classe.csv")))
                < Pupils * SessionsPerPupil * AnswersPerSession)
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
        for (int n = 1; n <= rounds * 10 && n <= AnswersPerSession; ++n) {
            const Answer answer = drawAnswer(random, n, 10, 40, 1, 0.8, clock);
            time("register_answer_durable", [&] {
                reg.answerJudged(answer);
                reg.waitUntilWritten();
            });
        }
        if (reg.status().answersNotKept != 0)
            qFatal("answers were not kept");
    }

    for (auto it = samples.cbegin(); it != samples.cend(); ++it) {
        const QList<double> &values = it.value();
        std::printf("%s %.3f %.3f %.3f n=%lld\n", qPrintable(it.key()), median(values),
            *std::min_element(values.begin(), values.end()),
            *std::max_element(values.begin(), values.end()), static_cast<long long>(values.size()));
    }
    std::printf("register_file_mib %.1f %.1f %.1f n=1\n", fileMiB, fileMiB, fileMiB);
    return 0;
}
