// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// Starts a program and watches the screen from outside until its first window is painted:
// the first moment a pixel of the given colour appears in a small square at the centre of the
// screen, where the program's centred window shows that colour and nothing else does. Three
// seconds after the start it reads the program's resident memory, then stops it.
//
//   vovo_startwatch RRGGBB TIMEOUT_MS PROGRAM [ARGS...]
// prints: painted_ms=<milliseconds from the start> rss_kb=<resident kilobytes at 3 s>

#include <QColor>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int SquareHalf = 12;
constexpr qint64 RssAfterMs = 3000;

bool colourShown(QScreen *screen, QRgb wanted)
{
    const QRect area = screen->geometry();
    const QPoint centre = area.center();
    const QImage image = screen
                             ->grabWindow(0, centre.x() - SquareHalf, centre.y() - SquareHalf,
                                 2 * SquareHalf + 1, 2 * SquareHalf + 1)
                             .toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF))
                return true;
        }
    }
    return false;
}

long residentKb(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RRGGBB TIMEOUT_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QRgb wanted = QColor(QStringLiteral("#") + QString::fromLatin1(argv[1])).rgb();
    const qint64 timeoutMs = QByteArray(argv[2]).toLongLong();
    QScreen *screen = QGuiApplication::primaryScreen();
    if (colourShown(screen, wanted)) {
        std::fprintf(stderr, "the colour is on screen before the start\n");
        return 2;
    }

    QElapsedTimer clock;
    pid_t pid = 0;
    clock.start();
    if (posix_spawn(&pid, argv[3], nullptr, nullptr, argv + 3, environ) != 0) {
        std::perror("posix_spawn");
        return 2;
    }

    double paintedMs = -1;
    while (clock.elapsed() < timeoutMs) {
        if (colourShown(screen, wanted)) {
            paintedMs = clock.nsecsElapsed() / 1e6;
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "the program ended before painting\n");
            return 1;
        }
        QThread::usleep(500);
    }
    if (clock.elapsed() < RssAfterMs)
        QThread::msleep(static_cast<unsigned long>(RssAfterMs - clock.elapsed()));
    const long rss = residentKb(pid);

    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    if (paintedMs < 0) {
        std::fprintf(stderr, "nothing painted within %lld ms\n", static_cast<long long>(timeoutMs));
        return 1;
    }
    std::printf("painted_ms=%.1f rss_kb=%ld\n", paintedMs, rss);
    return 0;
}
