// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The longest wait of the screens' thread, measured from inside: a timer on that thread ticks
// every 2 ms and keeps its longest gap between two ticks while the real program's screens,
// on its own desktop services, open on a generated school year:
//   server_stopped   the teacher's login on the school server, named but not running
//   server_silent    the same with a server that takes the connection and never answers
//   teacher_open     the teacher's register on this PC's file
//   analysis_open    the analysis of a session with a recurring error (which reads the pupil's
//                    earlier days from the register)
//   idle             nothing at all, for comparison
//
//   vovo_stallbench ROUNDS REGISTER_FILE STOPPED_PORT SILENT_PORT
// copies the register file into a private data folder (the program's own place for it) and
// names the school server by a private libpq service on 127.0.0.1 at the given port; a port 0
// leaves that case out. Prints one line per case: name median min max (milliseconds) n=rounds.

#include "Samples.h"
#include "SchoolYear.h"
#include "app/ScreenWiring.h"
#include "core/SessionRecord.h"
#include "desktop/QtServices.h"
#include "desktop/store/SqlRegisterStore.h"
#include "frame/ScreenRegistry.h"
#include "register/RegisterPlace.h"
#include "register/RegisterQueries.h"
#include "register/TeacherPassword.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int TickMs = 2;
constexpr int TailMs = 500; // the loop keeps running after the screen is ready
constexpr int LimitMs = 20000;
// How the register's screen ends its line when the school server does not answer a login.
const QString ServerAwayEnd =
    QStringLiteral(" Il registro della classe si apre quando il server risponde.");

void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The longest gap between two ticks while `start` runs from the event loop and the loop goes on
// until `ready` holds, and then for a while.
double longestStall(const std::function<void()> &start, const std::function<bool()> &ready)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 longest = 0;
    qint64 readySince = -1;
    QEventLoop loop;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(TickMs);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
        if (readySince < 0 && ready())
            readySince = now;
        if ((readySince >= 0 && now - readySince > TailMs * 1000000LL) || now > LimitMs * 1000000LL)
            loop.quit();
    });
    ticker.start();
    QTimer::singleShot(0, start);
    loop.exec();
    if (readySince < 0)
        qFatal("the screen was not ready within %d ms", LimitMs);
    return longest / 1e6;
}

bool exposed(QWidget *screen)
{
    return screen && screen->isVisible() && screen->windowHandle()
        && screen->windowHandle()->isExposed();
}

// A session of forty operations of the pupil, in which 53 - 17 = 44 comes back: the smaller
// digit taken from the larger, a recurring error the analysis looks up on earlier days.
void fillSession(SessionRecord &session, const QString &pupil)
{
    session.PupilName = pupil;
    session.RangeLow = 10;
    session.RangeHigh = 98;
    session.RangeLevel = 6;
    session.ModeCaption = QStringLiteral(" Calcola la differenza");
    session.OpCount = 40;
    session.RightCount = 34;
    for (int i = 1; i <= 40; ++i) {
        const bool wrong = i % 7 == 0;
        const int minuend = wrong ? 53 : 50 + i % 40;
        const QString answer = wrong ? QStringLiteral("44") : QString::number(minuend - 17);
        session.Judged[i] = { true, minuend, 17, 1, answer, !wrong, 4 };
        session.OpRecords[i] =
            QStringLiteral("%1 - 17 =  ?   (%2)   4 Tp").arg(minuend).arg(answer);
    }
}

struct StallBench
{
    QString configFolder;
    QString serviceFile;
    int pupils = 0;
    SessionRecord session;
    // The register built in, as the program folder's module is not beside the bench.
    QtServices services { [] { return std::make_unique<SqlRegisterStore>(); } };
    Samples samples;
    int messages = 0;
    QTimer answerer;

    StallBench()
    {
        registerScreens(services.screens(), session, services);
        // A message box waits for its button: answered as soon as it is up, and counted.
        answerer.setInterval(20);
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                ++messages;
                box->close();
            }
        });
        answerer.start();
    }

    void nameServer(int port)
    {
        writeText(QDir(configFolder).filePath(QStringLiteral("vovorudoroz.conf")),
            port ? "[Registro]\nservizio=bench\n" : "[Registro]\n");
        writeText(serviceFile,
            QStringLiteral("[bench]\nhost=127.0.0.1\nport=%1\ndbname=registro\nuser=vovo_lab\n")
                .arg(port)
                .toUtf8());
    }

    // The teacher's register on this PC's file, up with the whole class.
    void teacher()
    {
        nameServer(0);
        QWidget *screen = nullptr;
        const double ms =
            longestStall([&] { screen = services.screens().show(ScreenId::Register); },
                [&] {
                    auto *table = screen
                        ? screen->findChild<QTableWidget *>(QStringLiteral("tblClasse"))
                        : nullptr;
                    return exposed(screen) && table && table->rowCount() == pupils;
                });
        samples.add(QStringLiteral("teacher_open"), ms);
        services.screens().close(ScreenId::Register);
        settle();
    }

    // On a lab: the teacher's login on the school server, typed and sent as soon as the screen
    // asks for it, up to the screen's word that the server does not answer.
    void serverLogin(const char *name, int port)
    {
        nameServer(port);
        QWidget *screen = nullptr;
        QLabel *said = nullptr;
        const double ms = longestStall(
            [&] {
                screen = services.screens().show(ScreenId::Register);
                said = screen->findChild<QLabel *>(QStringLiteral("lblPassword"));
                auto *password = screen->findChild<QLineEdit *>(QStringLiteral("txtPassword"));
                auto *enter = screen->findChild<QPushButton *>(QStringLiteral("cmdEntra"));
                if (!said || !password || !enter || !enter->isVisible())
                    qFatal("the register's screen asks for no login");
                password->setText(QStringLiteral("maestra"));
                enter->click();
            },
            [&] { return exposed(screen) && said->text().endsWith(ServerAwayEnd); });
        samples.add(QString::fromLatin1(name), ms);
        services.screens().close(ScreenId::Register);
        settle();
    }

    void analysis()
    {
        nameServer(0);
        QWidget *screen = nullptr;
        const double ms =
            longestStall([&] { screen = services.screens().show(ScreenId::Analysis); },
                [&] { return exposed(screen); });
        samples.add(QStringLiteral("analysis_open"), ms);
        services.screens().close(ScreenId::Analysis);
        settle();
    }

    void idle()
    {
        samples.add(QStringLiteral("idle"), longestStall([] {}, [] { return true; }));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(
            stderr, "usage: vovo_stallbench ROUNDS REGISTER_FILE STOPPED_PORT SILENT_PORT\n");
        return 2;
    }
    // The program's own places, in a folder of this run: its data, the school's settings and
    // libpq's service file.
    QTemporaryDir work;
    const QString configFolder = QDir(work.path()).filePath(QStringLiteral("xdg"));
    QDir(work.path()).mkpath(QStringLiteral("xdg"));
    qputenv("XDG_DATA_HOME", QDir(work.path()).filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QDir(work.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", configFolder.toLocal8Bit());
    const QString serviceFile = QDir(work.path()).filePath(QStringLiteral("pg_service.conf"));
    qputenv("PGSERVICEFILE", serviceFile.toLocal8Bit());
    qputenv("PGPASSFILE", QDir(work.path()).filePath(QStringLiteral("pgpass")).toLocal8Bit());

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vovorudoroz"));
    const int rounds = std::max(1, QByteArray(argv[1]).toInt());
    const QString year = QString::fromLocal8Bit(argv[2]);
    const int stoppedPort = QByteArray(argv[3]).toInt();
    const int silentPort = QByteArray(argv[4]).toInt();

    const QString place = registerPlace().filePath;
    QDir().mkpath(QFileInfo(place).absolutePath());
    if (!QFile::copy(year, place))
        qFatal("cannot copy %s", qPrintable(year));
    int pupils = 0;
    {
        // The teacher chose no password (an empty hash): the register opens straight on the
        // class.
        Register::RegisterQueries queries(place);
        if (!queries.storeHash(QStringLiteral("")) || !TeacherPassword(queries).isEmpty())
            qFatal("cannot keep the teacher's password in %s", qPrintable(place));
        pupils = queries.countsOfAll().pupils;
    }

    StallBench bench;
    bench.configFolder = configFolder;
    bench.serviceFile = serviceFile;
    bench.pupils = pupils;
    fillSession(bench.session, SchoolYear::pupilName(0));
    for (int round = 0; round < rounds; ++round) {
        bench.idle();
        if (stoppedPort)
            bench.serverLogin("server_stopped", stoppedPort);
        if (silentPort)
            bench.serverLogin("server_silent", silentPort);
        bench.teacher();
        bench.analysis();
        std::fprintf(stderr, "round %d/%d of the stalls\n", round + 1, rounds);
    }

    bench.samples.print("stall_");
    std::printf(
        "stall_message_boxes %d %d %d n=1\n", bench.messages, bench.messages, bench.messages);
    return 0;
}
