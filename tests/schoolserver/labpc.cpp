// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// One lab PC for the school-server case and the load check: the register's writer and the
// sender as the program runs them, fed with judged answers at a chosen pace instead of a pupil.
//
//   labpc play NAME SESSIONS MS_PER_ANSWER [WAIT_S]   prints "risposta N" once answer N is in
//       the PC's file, then waits (180 s at most) until the server has everything; prints the
//       sender's lag
//   labpc class PASSWORD                     prints the class as "REGISTRO DELLA CLASSE" reads it
//   labpc teacher PASSWORD                   the teacher's login: giusta, sbagliata or assente
//   labpc delete NAME PASSWORD               "ELIMINA ALUNNO" of the teacher's screen
//   labpc csv FILE PASSWORD                  "ESPORTA CSV" of the whole class; prints its rows
//   labpc assign NAME CODES LEVEL PASSWORD   "ASSEGNA": the families' codes, blank-separated
//       ("" takes the assignment away), and the range level
//   labpc plan NAME                          what "Allenamento di oggi" on this PC reads of the
//       pupil: "sessioni S | risposte A | assegnate CODES | livello L"
//   labpc measures NAME SIZE PASSWORD        "MISURE": time hidden, SIZE operations per exercise
//       and the number line (SIZE 0 takes them away)
//   labpc pupilmeasures NAME                 what the start screen on this PC reads of the
//       pupil's measures: "tempo nascosto T | operazioni S | aiuto A"
// The teacher's commands log in to the school server as the teacher, with PASSWORD.
#include "core/FamilyCodes.h"
#include "core/PupilKey.h"
#include "register/CsvExport.h"
#include "register/RegisterFile.h"
#include "register/RegisterPlace.h"
#include "register/SqliteRegister.h"
#include "schoolserver/LabSender.h"
#include "schoolserver/RegisterSource.h"
#include "schoolserver/SchoolService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int AnswersPerSession = 40;

int unsentRows(const QString &connection, QList<qint64> &sentIds)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.exec(QStringLiteral("SELECT rowid FROM answers WHERE sent = 1"));
    sentIds.clear();
    while (query.next())
        sentIds.append(query.value(0).toLongLong());
    query.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM answers WHERE sent = 0)"
                              " + (SELECT COUNT(*) FROM sessions WHERE sent = 0)"));
    return query.next() ? query.value(0).toInt() : -1;
}

int play(const QString &name, int sessions, int msPerAnswer, int waitSeconds)
{
    QTextStream out(stdout);
    const RegisterPlace place = registerPlace();
    SchoolServer::LabSender sender(place.filePath, SchoolServer::serviceName(), 0);
    SqliteRegister pupilRegister(place);
    QElapsedTimer clock;
    clock.start();
    QList<qint64> writtenAt; // by rowid - 1: the file is new, answers take rowids in order
    QHash<qint64, qint64> sentAt;
    QList<qint64> sentIds;
    const QString watch = QStringLiteral("labpc-watch");
    bool watching = false;
    auto look = [&] {
        if (!watching)
            watching =
                Register::openFile(place.filePath, watch, Register::PageCheck::None).isOpen();
        if (!watching)
            return -1;
        const int unsent = unsentRows(watch, sentIds);
        for (qint64 id : std::as_const(sentIds))
            if (!sentAt.contains(id))
                sentAt.insert(id, clock.elapsed());
        return unsent;
    };
    int number = 0;
    for (int session = 0; session < sessions; ++session) {
        pupilRegister.sessionStarted({ name, 1, 2, 0, 20, QDateTime::currentDateTime() });
        for (int operation = 1; operation <= AnswersPerSession; ++operation) {
            const int minuend = 10 + operation % 10;
            const bool right = operation % 4 != 0;
            pupilRegister.answerJudged({ operation, minuend, 7, 1, minuend - 7,
                QString::number(right ? minuend - 7 : minuend - 6), right, 3.5,
                QDateTime::currentDateTime(), QString() });
            pupilRegister.waitUntilWritten();
            writtenAt.append(clock.elapsed());
            out << "risposta " << ++number << Qt::endl;
            const qint64 next = clock.elapsed() + msPerAnswer;
            do {
                look();
                QThread::msleep(
                    static_cast<unsigned long>(std::clamp<qint64>(next - clock.elapsed(), 0, 100)));
            } while (clock.elapsed() < next);
        }
        pupilRegister.sessionEnded({ Register::Ending::Completed, QDateTime::currentDateTime() });
    }
    pupilRegister.waitUntilWritten();
    const qint64 deadline = clock.elapsed() + waitSeconds * 1000;
    while (look() != 0 && clock.elapsed() < deadline)
        QThread::msleep(100);
    const int left = look();
    QList<qint64> lags;
    for (auto it = sentAt.cbegin(); it != sentAt.cend(); ++it)
        if (it.key() >= 1 && it.key() <= writtenAt.size())
            lags.append(it.value() - writtenAt.at(it.key() - 1));
    std::sort(lags.begin(), lags.end());
    if (watching)
        Register::closeFile(watch);
    out << "da inviare " << left << Qt::endl;
    if (!lags.isEmpty())
        out << "ritardo mediano " << lags.at(lags.size() / 2) << " ms massimo " << lags.last()
            << " ms" << Qt::endl;
    return left == 0 ? 0 : 1;
}

std::unique_ptr<Register::RegisterQueries> teacherRegister(const QString &password)
{
    return SchoolServer::openTeacherRegister(SchoolServer::serviceName(), password).queries;
}

int showClass(const QString &password)
{
    QTextStream out(stdout);
    const auto queries = teacherRegister(password);
    if (!queries)
        return 1;
    out << "server" << Qt::endl;
    for (const Register::PupilOverview &pupil : queries->classOverview()) {
        int answers = 0;
        for (const Register::SessionSummary &session : queries->sessions(pupil.key))
            answers += static_cast<int>(queries->answers(session.id).size());
        out << "alunno " << pupil.name << " | sessioni " << pupil.sessions << " | risposte "
            << answers << " | giorni " << queries->progress(pupil.key).size() << Qt::endl;
    }
    return 0;
}

int teacher(const QString &password)
{
    const char *words[] = { "giusta", "sbagliata", "assente" };
    QTextStream(stdout) << words[static_cast<int>(
        SchoolServer::openTeacherRegister(SchoolServer::serviceName(), password).login)]
                        << Qt::endl;
    return 0;
}

int exportClass(const QString &file, const QString &password)
{
    const auto queries = teacherRegister(password);
    const int rows = queries ? Register::exportCsv(*queries, QString(), file) : -1;
    QTextStream(stdout) << "righe " << rows << Qt::endl;
    return rows < 0 ? 1 : 0;
}

int deletePupil(const QString &name, const QString &password)
{
    const auto queries = teacherRegister(password);
    return queries && queries->deletePupil(pupilKey(name)) ? 0 : 1;
}

int assign(const QString &name, const QString &codes, int level, const QString &password)
{
    const auto queries = teacherRegister(password);
    std::optional<Practice::Assignment> assignment;
    if (!codes.isEmpty())
        assignment = Practice::Assignment { Practice::familiesOfCodes(codes), level };
    return queries && queries->setAssignment(pupilKey(name), assignment) ? 0 : 1;
}

int plan(const QString &name)
{
    const Register::Opened opened =
        SchoolServer::openForScreens(registerPlace(), nullptr, SchoolServer::serviceName());
    const Register::PracticeFacts facts = opened.reader->practiceFacts(pupilKey(name));
    qsizetype answers = 0;
    for (const Hypothesis::DatedSession &session : facts.history)
        answers += session.operations.size();
    QTextStream(stdout) << "sessioni " << facts.history.size() << " | risposte " << answers
                        << " | assegnate "
                        << (facts.assignment ? Practice::familyCodes(facts.assignment->families)
                                             : QStringLiteral("-"))
                        << " | livello " << (facts.assignment ? facts.assignment->rangeLevel : -1)
                        << Qt::endl;
    return 0;
}

int setMeasures(const QString &name, int size, const QString &password)
{
    const auto queries = teacherRegister(password);
    Measures::PupilMeasures measures;
    if (size > 0)
        measures = { true, size, false, false, true };
    return queries && queries->setMeasures(pupilKey(name), measures) ? 0 : 1;
}

int pupilMeasures(const QString &name)
{
    const Register::Opened opened =
        SchoolServer::openForScreens(registerPlace(), nullptr, SchoolServer::serviceName());
    const Measures::PupilMeasures measures = opened.reader->measures(pupilKey(name));
    QTextStream(stdout) << "tempo nascosto " << int(measures.timeHidden) << " | operazioni "
                        << measures.exerciseSize << " | aiuto " << int(measures.aidOffered)
                        << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vovorudoroz"));
    const QStringList args = app.arguments();
    if (args.size() >= 5 && args.size() <= 6 && args.at(1) == QLatin1String("play"))
        return play(args.at(2), args.at(3).toInt(), args.at(4).toInt(),
            args.value(5, QStringLiteral("180")).toInt());
    if (args.size() == 3 && args.at(1) == QLatin1String("class"))
        return showClass(args.at(2));
    if (args.size() == 3 && args.at(1) == QLatin1String("teacher"))
        return teacher(args.at(2));
    if (args.size() == 4 && args.at(1) == QLatin1String("csv"))
        return exportClass(args.at(2), args.at(3));
    if (args.size() == 4 && args.at(1) == QLatin1String("delete"))
        return deletePupil(args.at(2), args.at(3));
    if (args.size() == 6 && args.at(1) == QLatin1String("assign"))
        return assign(args.at(2), args.at(3), args.at(4).toInt(), args.at(5));
    if (args.size() == 3 && args.at(1) == QLatin1String("plan"))
        return plan(args.at(2));
    if (args.size() == 5 && args.at(1) == QLatin1String("measures"))
        return setMeasures(args.at(2), args.at(3).toInt(), args.at(4));
    if (args.size() == 3 && args.at(1) == QLatin1String("pupilmeasures"))
        return pupilMeasures(args.at(2));
    std::fputs("labpc play NAME SESSIONS MS_PER_ANSWER [WAIT_S] | class PASSWORD | teacher "
               "PASSWORD | delete NAME PASSWORD | csv FILE PASSWORD | assign NAME CODES LEVEL "
               "PASSWORD | plan NAME | measures NAME SIZE PASSWORD | pupilmeasures NAME\n",
        stderr);
    return 2;
}
