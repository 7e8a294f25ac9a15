// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "RegisterSamples.h"
#include "core/PupilKey.h"
#include "progress/ProgressWords.h"
#include "register/CsvExport.h"
#include "register/RegisterQueries.h"
#include "register/SqliteRegister.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
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

    void encouragement_data()
    {
        QTest::addColumn<QList<int>>("percents");
        QTest::addColumn<QList<double>>("seconds");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("first day") << QList<int> { 60 } << QList<double> { 6 }
                                   << "È il tuo primo giorno di allenamento: continua così!";
        QTest::newRow("three fewer in ten than the first day")
            << QList<int> { 50, 90, 80 } << QList<double> { 6, 6, 7 }
            << "Rispetto alla prima volta sbagli 3 operazioni in meno su 10";
        QTest::newRow("as many mistakes, faster today")
            << QList<int> { 80, 80 } << QList<double> { 6.4, 3.5 }
            << "Oggi sei stato più veloce: 4 secondi invece di 6";
        QTest::newRow("neither") << QList<int> { 80, 76 } << QList<double> { 4, 4.4 }
                                 << "Ogni giorno di allenamento conta: continua così!";
    }
    void encouragement()
    {
        QFETCH(QList<int>, percents);
        QFETCH(QList<double>, seconds);
        QFETCH(QString, sentence);
        QList<DayPoint> days;
        for (int i = 0; i < percents.size(); ++i)
            days.append({ QDate(2026, 12, 8).addDays(i + 1 - percents.size()), 10, percents[i],
                seconds[i] });
        QCOMPARE(Register::encouragement(days, QDate(2026, 12, 8)), sentence);
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
        QVERIFY(queries.deletePupil(key));
        QCOMPARE(queries.countsOfAll().pupils, 1);
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(!file.readAll().contains("Zebedeo"), qPrintable(name));
        }
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
