// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "RegisterSamples.h"
#include "core/ProgressWords.h"
#include "core/PupilKey.h"
#include "register/CsvExport.h"
#include "register/RegisterQueries.h"
#include "register/SqliteRegister.h"
#include "register/TeacherPassword.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace Register;

Q_DECLARE_METATYPE(Register::State)

namespace {

const QDateTime Monday = SampleMonday;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A file of a version this program does not know yet.
void writeNewerFile(const QString &path)
{
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "newer");
        database.setDatabaseName(path);
        QVERIFY(database.open());
        QSqlQuery query(database);
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE future (x)")));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 99")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
}

// A session of `answers` operations of the pupil: every fourth one 53 - 17 answered 44 (the
// smaller digit taken from the larger) when `slipping`, the others right.
void practiseProcedure(SqliteRegister &reg, const QString &name, int day, bool slipping, bool ended)
{
    const QDateTime at = Monday.addDays(day);
    reg.sessionStarted({ name, 1, 4, 10, 98, at });
    for (int n = 1; n <= 12; ++n) {
        const bool wrong = slipping && n % 4 == 0;
        const int minuend = wrong ? 53 : 40 + n;
        reg.answerJudged({ n, minuend, 17, 1, minuend - 17,
            QString::number(wrong ? 44 : minuend - 17), !wrong, 3.0, at.addSecs(n * 4) });
    }
    if (ended)
        reg.sessionEnded({ Register::Ending::Completed, at.addSecs(60) });
    reg.waitUntilWritten();
}

int talliesWithoutSession(const QString &path)
{
    int count = -1;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "tallies");
        database.setDatabaseName(path);
        QSqlQuery query(database);
        if (database.open()
            && query.exec(QStringLiteral("SELECT COUNT(*) FROM procedure_tallies t WHERE NOT EXISTS"
                                         " (SELECT 1 FROM sessions s WHERE s.id = t.session_id)"))
            && query.next())
            count = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tallies"));
    return count;
}

} // namespace

class TestRegister : public QObject
{
    Q_OBJECT

private slots:
    void pupilNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("samePupil");
        QTest::newRow("trailing blank") << "luca "
                                        << "Luca" << true;
        QTest::newRow("blanks collapsed, tab") << " Anna \t Maria"
                                               << "anna maria" << true;
        QTest::newRow("accented capital") << "ÈLIA"
                                          << "èlia" << true;
        QTest::newRow("a blank inside is not nothing") << "Anna Maria"
                                                       << "AnnaMaria" << false;
        QTest::newRow("another letter") << "Luca"
                                        << "Luka" << false;
    }
    void pupilNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, other);
        QFETCH(bool, samePupil);
        QCOMPARE(pupilKey(typed) == pupilKey(other), samePupil);
    }

    void oneNameOnePupilAcrossSessions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registro.sqlite"));
        {
            SqliteRegister reg({ path, true });
            practise(reg, QStringLiteral("luca "), 6);
            practise(reg, QStringLiteral(" LUCA"), 40, Monday.addDays(1));
            QCOMPARE(reg.status().state, State::Ready);
            QCOMPARE(reg.status().answersNotKept, 0);
        }
        RegisterQueries queries(path);
        const QList<PupilOverview> overview = queries.classOverview();
        QCOMPARE(overview.size(), 1);
        QCOMPARE(overview[0].name, QStringLiteral("luca")); // as first typed, trimmed
        QCOMPARE(overview[0].sessions, 2);
        QCOMPARE(overview[0].lastRightPercent, 68); // 27 of 40
        QCOMPARE(overview[0].trend, Trend::Same); // 4 of 6 was 67
        QCOMPARE(queries.progress(overview[0].key).size(), 2);
    }

    void unusableFiles_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<State>("state");
        QTest::addColumn<int>("answersNotKept");
        QTest::addColumn<bool>("setAside");
        QTest::newRow("damaged: moved aside, a new one kept")
            << "damaged" << State::Ready << 0 << true;
        QTest::newRow("newer version: read, never written")
            << "newer" << State::Newer << 3 << false;
        QTest::newRow("folder cannot be made: answers counted")
            << "no folder" << State::Unavailable << 3 << false;
        QTest::newRow("read-only file") << "read-only" << State::ReadOnly << 3 << false;
        QTest::newRow("switched off: no file at all") << "off" << State::Off << 0 << false;
    }
    void unusableFiles()
    {
        QFETCH(QString, setUp);
        QFETCH(State, state);
        QFETCH(int, answersNotKept);
        QFETCH(bool, setAside);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("registro.sqlite"));
        if (setUp == QLatin1String("damaged"))
            writeFile(path, QByteArray(8192, 'x'));
        if (setUp == QLatin1String("newer"))
            writeNewerFile(path);
        if (setUp == QLatin1String("no folder")) {
            writeFile(dir.filePath(QStringLiteral("file")), "x");
            path = dir.filePath(QStringLiteral("file/registro.sqlite"));
        }
        if (setUp == QLatin1String("read-only")) {
            if (geteuid() == 0)
                QSKIP("the super-user writes to read-only files");
            SqliteRegister({ path, true })
                .sessionStarted({ QStringLiteral("Ada"), 1, 1, 1, 10, Monday });
            QFile::setPermissions(path, QFile::ReadOwner);
        }
        {
            SqliteRegister reg({ path, setUp != QLatin1String("off") });
            practise(reg, QStringLiteral("Bea"), 3);
            QCOMPARE(reg.status().state, state);
            QCOMPARE(reg.status().answersNotKept, answersNotKept);
            QCOMPARE(!reg.status().setAsideFile.isEmpty(), setAside);
            QVERIFY(!reg.status().text().isEmpty());
        }
        const QStringList aside = QDir(dir.path()).entryList({ "registro-danneggiato-*.sqlite" });
        QCOMPARE(aside.size(), setAside ? 1 : 0);
        if (setAside) {
            QVERIFY(QRegularExpression("^registro-danneggiato-\\d{8}-\\d{6}\\.sqlite$")
                        .match(aside[0])
                        .hasMatch());
            QFile old(dir.filePath(aside[0]));
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray(8192, 'x'));
            QCOMPARE(RegisterQueries(path).countsOfAll().answers, 3);
        }
        if (setUp == QLatin1String("newer")) {
            RegisterQueries queries(path);
            QCOMPARE(queries.state(), State::Newer);
            QVERIFY(!queries.emptyRegister());
        }
        if (setUp == QLatin1String("off"))
            QVERIFY(QDir(dir.path()).isEmpty());
    }

    void deletedPupilLeavesNothingInTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registro.sqlite"));
        SqliteRegister reg({ path, true });
        for (int day = 0; day < 12; ++day)
            practise(reg, QStringLiteral("Zebedeo"), 40, Monday.addDays(day));
        practise(reg, QStringLiteral("Bea"), 10);
        RegisterQueries queries(path);
        const QString key = pupilKey(QStringLiteral("Zebedeo"));
        QCOMPARE(queries.countsOf(key).sessions, 12);
        QCOMPARE(queries.countsOf(key).answers, 480);
        QVERIFY(queries.setMeasures(key, { true, 6, true, true, true }));
        QVERIFY(queries.deletePupil(key));
        QCOMPARE(queries.countsOfAll().pupils, 1);
        QSqlQuery query(QSqlDatabase::database(queries.connectionName()));
        QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM measures")) && query.next());
        QCOMPARE(query.value(0).toInt(), 0);
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(!file.readAll().contains("Zebedeo"), qPrintable(name));
        }
    }

    // The teacher's choice for one pupil: kept as set, changed, cleared, refused for a pupil the
    // register does not know, and gone with the pupil.
    void assignmentsKeptUntilChangedAndGoneWithThePupil()
    {
        using Practice::Family;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registro.sqlite"));
        SqliteRegister reg({ path, true });
        practise(reg, QStringLiteral("Ada"), 6);
        practise(reg, QStringLiteral("Bea"), 3);
        RegisterQueries queries(path);
        const QString ada = pupilKey(QStringLiteral("Ada"));
        const QString bea = pupilKey(QStringLiteral("Bea"));

        const PracticeFacts facts = queries.practiceFacts(ada);
        QCOMPARE(facts.history.size(), 1);
        QCOMPARE(facts.history[0].day, Monday.date());
        QCOMPARE(facts.history[0].operations.size(), 6);
        for (const JudgedOperation &operation : facts.history[0].operations)
            QVERIFY(operation.judged && operation.seconds > 0);
        QVERIFY(!facts.assignment);

        QVERIFY(!queries.setAssignment(QStringLiteral("nessuno"), Practice::Assignment {}));
        QVERIFY(queries.setAssignment(
            ada, Practice::Assignment { { Family::WholeTen, Family::WithinTen }, 3 }));
        auto set = queries.practiceFacts(ada).assignment;
        QVERIFY(set);
        QCOMPARE(set->families, QList<Family>({ Family::WithinTen, Family::WholeTen }));
        QCOMPARE(set->rangeLevel, 3);
        QVERIFY(!queries.practiceFacts(bea).assignment);

        QVERIFY(queries.setAssignment(ada, Practice::Assignment { { Family::BridgingTen }, 0 }));
        set = queries.practiceFacts(ada).assignment;
        QCOMPARE(set->families, QList<Family>({ Family::BridgingTen }));
        QCOMPARE(set->rangeLevel, 0);
        QVERIFY(queries.setAssignment(ada, std::nullopt));
        QVERIFY(!queries.practiceFacts(ada).assignment);

        // A code this program does not know (written by a newer one) is passed over.
        QSqlQuery query(QSqlDatabase::database(queries.connectionName()));
        QVERIFY(queries.setAssignment(bea, Practice::Assignment { { Family::WithinTen }, 1 }));
        QVERIFY(query.exec(QStringLiteral("UPDATE assignments SET families = 'futuro togli'")));
        QCOMPARE(queries.practiceFacts(bea).assignment->families,
            QList<Family>({ Family::TakeAwaySmall }));

        QVERIFY(queries.deletePupil(bea));
        QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM assignments")) && query.next());
        QCOMPARE(query.value(0).toInt(), 0);
    }

    // The teacher's measures for one pupil: kept as set, the exercise size brought within 5..10,
    // the default keeping no row, refused for a pupil the register does not know; each answer's
    // number line counted per session; a file of the version before them brought up with its
    // sessions whole.
    void measuresAndAidUsesKeptAndUpgraded()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registro.sqlite"));
        const QString ada = pupilKey(QStringLiteral("Ada"));
        {
            SqliteRegister reg({ path, true });
            practise(reg, QStringLiteral("Ada"), 4);
            reg.sessionStarted({ QStringLiteral("Ada"), 1, 4, 10, 40, Monday.addDays(1) });
            for (int n = 1; n <= 5; ++n)
                reg.answerJudged({ n, 30, 12, 1, 18, QStringLiteral("18"), true, 2.0,
                    Monday.addDays(1), QString(), n % 2 == 1 });
            reg.waitUntilWritten();
        }
        {
            RegisterQueries queries(path);
            const QList<SessionSummary> sessions = queries.sessions(ada);
            QCOMPARE(sessions.size(), 2);
            QCOMPARE(sessions[0].aidUses, 0);
            QCOMPARE(sessions[1].aidUses, 3);

            QCOMPARE(queries.measures(ada), Measures::PupilMeasures());
            const Measures::PupilMeasures set { true, 7, false, true, true };
            QVERIFY(queries.setMeasures(ada, set));
            QCOMPARE(queries.measures(ada), set);
            QVERIFY(queries.setMeasures(ada, { false, 2, false, false, false }));
            QCOMPARE(queries.measures(ada).exerciseSize, Measures::SmallestExerciseSize);
            QVERIFY(!queries.setMeasures(QStringLiteral("nessuno"), set));
            QVERIFY(queries.setMeasures(ada, {}));
            QSqlQuery query(QSqlDatabase::database(queries.connectionName()));
            QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM measures")) && query.next());
            QCOMPARE(query.value(0).toInt(), 0);
            // A size written by hand (or by a newer program) out of range reads within it.
            QVERIFY(queries.setMeasures(ada, set));
            QVERIFY(query.exec(QStringLiteral("UPDATE measures SET exercise_size = 40")));
            QCOMPARE(queries.measures(ada).exerciseSize, Measures::FullExerciseSize);
        }
        {
            QSqlDatabase older = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "older");
            older.setDatabaseName(path);
            QVERIFY(older.open());
            QSqlQuery query(older);
            QVERIFY(query.exec(QStringLiteral("DROP TABLE measures")));
            QVERIFY(query.exec(QStringLiteral("ALTER TABLE answers DROP COLUMN aid_used")));
            QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 4")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("older"));
        RegisterQueries queries(path);
        QCOMPARE(queries.state(), State::Ready);
        QCOMPARE(queries.countsOf(ada).answers, 9);
        QCOMPARE(queries.sessions(ada)[1].aidUses, 0);
        QVERIFY(QSqlDatabase::database(queries.connectionName())
                    .record(QStringLiteral("answers"))
                    .contains(QStringLiteral("aid_used")));
        QCOMPARE(queries.measures(ada), Measures::PupilMeasures());
        QVERIFY(queries.setMeasures(ada, { false, 8, false, false, false }));
        QCOMPARE(queries.measures(ada).exerciseSize, 8);
    }

    void csvCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("plain") << "mario" << QByteArray("mario");
        QTest::newRow("empty") << "" << QByteArray("");
        QTest::newRow("equals") << "=1+2" << QByteArray("\"'=1+2\"");
        QTest::newRow("plus") << "+39 333" << QByteArray("\"'+39 333\"");
        QTest::newRow("minus") << "-5" << QByteArray("\"'-5\"");
        QTest::newRow("at") << "@SUM(A1)" << QByteArray("\"'@SUM(A1)\"");
        QTest::newRow("tab") << "\tx" << QByteArray("\"'\tx\"");
        QTest::newRow("carriage return") << "\r=x" << QByteArray("\"'\r=x\"");
        QTest::newRow("formula with quotes") << "=\"a\";b" << QByteArray("\"'=\"\"a\"\";b\"");
        QTest::newRow("inside, not first") << "a=b-c" << QByteArray("a=b-c");
        QTest::newRow("separator") << "a;b" << QByteArray("\"a;b\"");
        QTest::newRow("leading blank") << " =x" << QByteArray(" =x");
    }

    void csvCells()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, field);
        QByteArray out;
        appendCsvField(out, text);
        QCOMPARE(out, field);
    }

    // Esci, the close box, "FINE SESSIONE" and SIGTERM all end the program through the
    // register's end; a killed program's session is ended at the next start.
    void sessionsLeftOpenAreEnded()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registro.sqlite"));
        {
            SqliteRegister killed({ path, true });
            practise(killed, QStringLiteral("Ada"), 2);
            killed.sessionStarted({ QStringLiteral("Ada"), 1, 4, 10, 40, Monday.addDays(1) });
            killed.answerJudged({ 1, 31, 12, 1, 19, QStringLiteral("19"), true, 3.5,
                Monday.addDays(1).addSecs(7) });
            killed.waitUntilWritten();
            // As a kill leaves it: copied before the program's end could be written.
            QVERIFY(QFile::copy(path, dir.filePath(QStringLiteral("ucciso.sqlite"))));
            QVERIFY(QFile::copy(
                path + QStringLiteral("-wal"), dir.filePath(QStringLiteral("ucciso.sqlite-wal"))));
        }
        const QString adaKey = pupilKey(QStringLiteral("Ada"));
        QList<SessionSummary> sessions = RegisterQueries(path).sessions(adaKey);
        QCOMPARE(sessions.size(), 2);
        QCOMPARE(sessions[0].ending, QStringLiteral("completata"));
        QCOMPARE(sessions[1].ending, QStringLiteral("interrotta")); // at the program's end

        const QString killedPath = dir.filePath(QStringLiteral("ucciso.sqlite"));
        QCOMPARE(RegisterQueries(killedPath).sessions(adaKey)[1].ending, QString());
        {
            SqliteRegister next({ killedPath, true });
            next.sessionStarted({ QStringLiteral("Bea"), 1, 4, 10, 40, Monday.addDays(2) });
            next.waitUntilWritten();
            RegisterQueries queries(killedPath);
            sessions = queries.sessions(adaKey);
            QCOMPARE(sessions[1].ending, QStringLiteral("interrotta"));
            QCOMPARE(queries.sessions(pupilKey(QStringLiteral("Bea")))[0].ending, QString());
            QSqlQuery ended(QSqlDatabase::database(queries.connectionName()));
            QVERIFY(ended.exec(QStringLiteral("SELECT ended_at FROM sessions WHERE started_at = '"
                                              "2026-12-08 09:30:00'"))
                && ended.next());
            QCOMPARE(ended.value(0).toString(), QStringLiteral("2026-12-08 09:30:07"));
        }
    }

    void emptyPasswordIsAChoiceKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registro.sqlite"));
        {
            RegisterQueries queries(path);
            QVERIFY(TeacherPassword(queries).choose(QString()));
        }
        RegisterQueries queries(path);
        TeacherPassword password(queries);
        QVERIFY(password.isChosen() && password.isEmpty());
        QCOMPARE(password.change(QString(), QStringLiteral("lupo")), TeacherPassword::Check::Right);
        QCOMPARE(password.change(QStringLiteral("lupo"), QString()), TeacherPassword::Check::Right);
        QVERIFY(TeacherPassword(queries).isEmpty());
    }

    void overviewHypothesesAsJudgedFromTheAnswers_data()
    {
        QTest::addColumn<bool>("lastEnded");
        QTest::addColumn<bool>("olderFile");
        QTest::newRow("every session ended") << true << false;
        QTest::newRow("the last session still open") << false << false;
        QTest::newRow("a file written before the tallies were kept") << true << true;
    }
    void overviewHypothesesAsJudgedFromTheAnswers()
    {
        QFETCH(bool, lastEnded);
        QFETCH(bool, olderFile);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registro.sqlite"));
        {
            SqliteRegister reg({ path, true });
            // Zeno: recurring, then overcome, then back (confirmed); Ugo: recurring once on the
            // last day; Bea: never.
            for (int day : { 0, 2, 5 })
                practiseProcedure(reg, QStringLiteral("Zeno"), day, day != 2, true);
            practiseProcedure(reg, QStringLiteral("Ugo"), 0, false, true);
            practiseProcedure(reg, QStringLiteral("Ugo"), 6, true, lastEnded);
            practiseProcedure(reg, QStringLiteral("Bea"), 1, false, true);
        }
        if (olderFile) {
            {
                QSqlDatabase older = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "older");
                older.setDatabaseName(path);
                QVERIFY(older.open());
                QSqlQuery query(older);
                QVERIFY(query.exec(QStringLiteral("DROP TABLE procedure_tallies")));
                QVERIFY(query.exec(QStringLiteral("DROP TABLE assignments")));
                QVERIFY(query.exec(QStringLiteral("DROP TABLE family_mastery")));
                QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 1")));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("older"));
        }
        RegisterQueries queries(path);
        const QList<PupilOverview> overview = queries.classOverview();
        QCOMPARE(overview.size(), 3);
        QStringList states;
        for (const PupilOverview &pupil : overview) {
            const QList<Hypothesis::Found> judged =
                Hypothesis::stillOpen(queries.datedSessions(pupil.key));
            QCOMPARE(pupil.openHypotheses.size(), judged.size());
            for (qsizetype i = 0; i < judged.size(); ++i) {
                QCOMPARE(pupil.openHypotheses[i].label, judged[i].label);
                QCOMPARE(pupil.openHypotheses[i].status.state, judged[i].status.state);
                QCOMPARE(pupil.openHypotheses[i].status.firstSeen, judged[i].status.firstSeen);
                states.append(
                    pupil.name + QLatin1Char(' ') + Hypothesis::stateWord(judged[i].status.state));
            }
        }
        QCOMPARE(states, QStringList({ "Ugo probabile", "Zeno confermato" }));

        // One pupil's hypotheses as the progress and analysis screens read them, overcome ones
        // too: the same as judged from that pupil's answers alone.
        auto described = [](const QList<Hypothesis::Found> &found) {
            QStringList lines;
            for (const Hypothesis::Found &one : found)
                lines.append(QStringLiteral("%1 %2 %3")
                                 .arg(Analysis::errorName(one.label),
                                     Hypothesis::stateWord(one.status.state),
                                     one.status.firstSeen.toString(Qt::ISODate)));
            return lines;
        };
        QStringList read;
        for (const PupilOverview &pupil : overview) {
            const QStringList pupilRead =
                described(Hypothesis::found(queries.datedTallies(pupil.key)));
            QCOMPARE(pupilRead, described(Hypothesis::found(queries.datedSessions(pupil.key))));
            read += pupilRead;
        }
        QCOMPARE(read.size(), 2);
        QVERIFY(!queries.takeFailure());

        QVERIFY(queries.deletePupil(pupilKey(QStringLiteral("Zeno"))));
        QCOMPARE(talliesWithoutSession(path), 0);
    }

    void csvReadBackByAReader()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registro.sqlite"));
        {
            SqliteRegister reg({ path, true });
            practise(reg, QStringLiteral("Anna \"Nina\"; B"), 3);
            practise(reg, QStringLiteral("Bruno"), 2);
        }
        RegisterQueries queries(path);
        const QString csv = dir.filePath(QStringLiteral("classe.csv"));
        QCOMPARE(exportCsv(queries, QString(), csv), 5);
        QFile raw(csv);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QVERIFY(raw.read(3) == "\xEF\xBB\xBF");

        QProcess reader;
        reader.start(QStringLiteral("/usr/bin/python3"),
            { QStringLiteral("-c"),
                QStringLiteral("import csv, json, sys\n"
                               "rows = list(csv.reader(open(sys.argv[1], encoding='utf-8-sig',"
                               " newline=''), delimiter=';'))\n"
                               "print(json.dumps(rows))"),
                csv });
        QVERIFY(reader.waitForFinished());
        const QJsonArray rows = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), 6);
        const QJsonArray header = rows[0].toArray();
        QCOMPARE(header[0].toString(), QStringLiteral("Alunno"));
        QCOMPARE(header[2].toString(), QStringLiteral("Modalità"));
        const QJsonArray third = rows[3].toArray();
        QCOMPARE(third.size(), header.size());
        QCOMPARE(third[0].toString(), QStringLiteral("Anna \"Nina\"; B"));
        QCOMPARE(third[1].toString(), QStringLiteral("2026-12-07 09:30:00"));
        QCOMPARE(third[5].toString(), QStringLiteral("3"));
        QCOMPARE(third[10].toString(), QStringLiteral("7"));
        QCOMPARE(third[11].toString(), QStringLiteral("no"));
        QCOMPARE(third[12].toString(), QStringLiteral("3,5"));
        QCOMPARE(third[14].toString(), QStringLiteral("2026-12-07 09:30:12"));
        QCOMPARE(rows[5].toArray()[0].toString(), QStringLiteral("Bruno"));

        QCOMPARE(exportCsv(queries, pupilKey(QStringLiteral("bruno")), csv), 2);
    }
};

QTEST_GUILESS_MAIN(TestRegister)
#include "tst_register.moc"
