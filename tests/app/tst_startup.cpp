// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "app/FrmSfondo.h"
#include "app/ScreenWiring.h"
#include "core/PlatformChoice.h"
#include "core/SessionRecord.h"
#include "desktop/QtServices.h"
#include "register/RegisterQueries.h"
#include "start/FrmInizio.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A program named like the information program that leaves a mark when it runs.
void plantProgram(const QString &folder, const QString &mark, bool executable = true)
{
    QFile script(folder + QStringLiteral("/www"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(mark).toUtf8());
    script.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    QVERIFY(script.setPermissions(permissions));
}

// A program folder for the test, and a program of the information program's name planted both
// in the working folder and on the search path, until restore() or the end of the scope.
struct PlantedPrograms
{
    QTemporaryDir folder;
    QTemporaryDir planted;
    QString plantedMark = planted.filePath(QStringLiteral("planted-ran"));
    QString folderMark = folder.filePath(QStringLiteral("folder-ran"));
    QString workingFolder = QDir::currentPath();
    QByteArray searchPath = qgetenv("PATH");
    bool restored = false;

    PlantedPrograms()
    {
        plantProgram(planted.path(), plantedMark);
        QDir::setCurrent(planted.path());
        qputenv("PATH", planted.path().toLocal8Bit() + ':' + searchPath);
    }
    ~PlantedPrograms() { restore(); }
    bool isValid() const { return folder.isValid() && planted.isValid(); }
    void restore()
    {
        if (restored)
            return;
        restored = true;
        QDir::setCurrent(workingFolder);
        qputenv("PATH", searchPath);
    }
};

int visibleTopLevels()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            ++count;
    }
    return count;
}

} // namespace

// How the program starts from its background screen, and that it ends exactly when its last
// screen closes.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    // The program runs through X11 on a Wayland desktop with Xwayland, where it may place and
    // stack its windows, with Wayland as the fallback; a platform the user chose, or a desktop
    // with one kind of display only, is left to Qt.
    void platformChoice_data()
    {
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<QByteArray>("xDisplay");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Wayland with Xwayland")
            << QByteArray() << QByteArray(":0") << QByteArray("wayland-0")
            << QByteArray("xcb;wayland");
        QTest::newRow("the user chose Wayland")
            << QByteArray("wayland") << QByteArray(":0") << QByteArray("wayland-0") << QByteArray();
        QTest::newRow("tests, off screen") << QByteArray("offscreen") << QByteArray(":0")
                                           << QByteArray("wayland-0") << QByteArray();
        QTest::newRow("X11 only") << QByteArray() << QByteArray(":0") << QByteArray()
                                  << QByteArray();
        QTest::newRow("Wayland without Xwayland")
            << QByteArray() << QByteArray() << QByteArray("wayland-0") << QByteArray();
    }
    void platformChoice()
    {
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, xDisplay);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, expected);
        QCOMPARE(preferredPlatform(chosen, xDisplay, waylandDisplay), expected);
    }

    // Creating the background screen shows it and opens the start screen above it, with the
    // focus in the name field.
    void backgroundOpensStartScreen()
    {
        SessionRecord session;
        FakeServices services;
        registerScreens(services.registry, session, services);
        Screen *background = services.registry.get(ScreenId::Background);
        QVERIFY(background->isVisible());
        QVERIFY(background->windowFlags() & Qt::FramelessWindowHint);
        // Beneath the others, and not a tool window (those float above the program's windows).
        QVERIFY(background->windowFlags() & Qt::WindowStaysOnBottomHint);
        QCOMPARE(background->windowType(), Qt::Window);
        QCOMPARE(background->client()->size(), QSize(713, 634));
        QCOMPARE(background->client()->palette().color(QPalette::Window), QColor(192, 255, 192));

        auto *start = services.registry.existing<FrmInizio>(ScreenId::Start);
        QVERIFY(start);
        QVERIFY(start->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(start));
        QCOMPARE(QApplication::activeWindow(), start);
        QCOMPARE(
            QApplication::focusWidget(), start->findChild<QLineEdit *>(QStringLiteral("txtNome")));
        QCOMPARE(services.registry.existing(ScreenId::Background), background);
        flushDeletedScreens();
    }

    // A click or a double click on the background brings the start screen back to the front;
    // the exercise screen it covered stays open.
    void backgroundClickRaisesStartScreen_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("click") << false;
        QTest::newRow("double click") << true;
    }
    void backgroundClickRaisesStartScreen()
    {
        QFETCH(bool, doubleClick);
        SessionRecord session;
        FakeServices services;
        registerScreens(services.registry, session, services);
        Screen *background = services.registry.get(ScreenId::Background);
        auto *start = services.registry.existing<FrmInizio>(ScreenId::Start);
        QTest::keyClicks(
            start->findChild<QLineEdit *>(QStringLiteral("txtNome")), QStringLiteral("Ugo"));
        start->findChild<QPushButton *>(QStringLiteral("cmdAvanti"))->click();
        start->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        Screen *exercise = services.registry.existing(ScreenId::Exercise);
        QVERIFY(exercise);
        QVERIFY(QTest::qWaitForWindowActive(exercise));

        if (doubleClick)
            QTest::mouseDClick(background->client(), Qt::LeftButton, {}, QPoint(5, 5));
        else
            QTest::mouseClick(background->client(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(start));
        QVERIFY(exercise->isVisible());
        QCOMPARE(services.registry.existing(ScreenId::Start), start);
        flushDeletedScreens();
    }

    // The program runs until its last screen has closed, and ends then: the start screen's
    // exit leaves the exercise screen and the evaluation scale working.
    void programEndsWithLastScreen_data()
    {
        QTest::addColumn<bool>("exercise");
        QTest::addColumn<bool>("scale");
        QTest::newRow("start screen alone") << false << false;
        QTest::newRow("exercise screen open") << true << false;
        QTest::newRow("evaluation scale open") << false << true;
        QTest::newRow("both open") << true << true;
    }
    void programEndsWithLastScreen()
    {
        QFETCH(bool, exercise);
        QFETCH(bool, scale);
        SessionRecord session;
        FakeServices services;
        registerScreens(services.registry, session, services);
        services.registry.get(ScreenId::Background);
        auto *start = services.registry.existing<FrmInizio>(ScreenId::Start);

        QStringList steps;
        QObject context; // cancels this run's timers when the test ends
        QList<ScreenId> others;
        std::function<void()> closeNext = [&] {
            steps << QStringLiteral("running");
            if (others.isEmpty())
                return;
            const ScreenId next = others.takeFirst();
            steps << QStringLiteral("close %1").arg(int(next));
            services.registry.close(next);
            QTimer::singleShot(50, &context, closeNext);
        };
        QTimer::singleShot(0, &context, [&] {
            if (scale) {
                start->findChild<QAction *>(QStringLiteral("mnuValutazione"))->trigger();
                others << ScreenId::Scale;
            }
            QTest::keyClicks(
                start->findChild<QLineEdit *>(QStringLiteral("txtNome")), QStringLiteral("Ivo"));
            start->findChild<QPushButton *>(QStringLiteral("cmdAvanti"))->click();
            if (exercise) {
                start->findChild<QPushButton *>(QStringLiteral("Command5"))->click();
                others << ScreenId::Exercise;
            }
            start->findChild<QPushButton *>(QStringLiteral("Command9"))->click();
            steps << QStringLiteral("exit");
            QTimer::singleShot(50, &context, closeNext);
        });
        QTimer::singleShot(5000, &context, [&] {
            steps << QStringLiteral("timeout");
            QApplication::quit();
        });
        QApplication::exec();

        QStringList expected { QStringLiteral("exit") };
        if (scale)
            expected << QStringLiteral("running")
                     << QStringLiteral("close %1").arg(int(ScreenId::Scale));
        if (exercise)
            expected << QStringLiteral("running")
                     << QStringLiteral("close %1").arg(int(ScreenId::Exercise));
        QCOMPARE(steps, expected);
        QCOMPARE(visibleTopLevels(), 0);
        QVERIFY(!services.registry.existing(ScreenId::Background));
        flushDeletedScreens();
    }

    // The real desktop service starts a program only by its absolute path: a relative name
    // never reaches the working folder or the search path.
    void startProgramTakesAbsolutePathsOnly()
    {
        PlantedPrograms programs;
        QVERIFY(programs.isValid());
        const QTemporaryDir &folder = programs.folder;
        const QString folderMark = programs.folderMark;
        const QString plantedMark = programs.plantedMark;

        QtServices real;
        const bool relativeStarted = real.startProgram(QStringLiteral("www"));
        const bool dotStarted = real.startProgram(QStringLiteral("./www"));
        const bool missingStarted = real.startProgram(folder.filePath(QStringLiteral("www")));
        plantProgram(folder.path(), folderMark, false);
        const bool notExecutableStarted = real.startProgram(folder.filePath(QStringLiteral("www")));
        plantProgram(folder.path(), folderMark);
        const bool absoluteStarted = real.startProgram(folder.filePath(QStringLiteral("www")));

        programs.restore();

        QVERIFY(!relativeStarted);
        QVERIFY(!dotStarted);
        QVERIFY(!missingStarted);
        QVERIFY(!notExecutableStarted);
        QVERIFY(absoluteStarted);
        QTRY_VERIFY(QFile::exists(folderMark));
        QVERIFY(!QFile::exists(plantedMark));
    }

    // "?" on the start screen looks only in the program's folder: with the information program
    // missing there, one of that name in the working folder or on the search path stays
    // unstarted and the pupil reads "File mancante".
    void informationProgramOnlyFromProgramFolder()
    {
        PlantedPrograms programs;
        QVERIFY(programs.isValid());
        const QTemporaryDir &folder = programs.folder;
        const QString folderMark = programs.folderMark;
        const QString plantedMark = programs.plantedMark;

        SessionRecord session;
        FakeServices services;
        QtServices real;
        services.folder = folder.path();
        services.realLauncher = &real;
        FrmInizio start(session, services.screens(), services, services, services, services);
        QAction *info = start.findChild<QAction *>(QStringLiteral("mnuInfo"));
        info->trigger();
        const QList<FakeServices::Message> whenMissing = services.messages;
        plantProgram(folder.path(), folderMark);
        info->trigger();

        programs.restore();

        QCOMPARE(whenMissing.size(), 1);
        QCOMPARE(whenMissing.first().text, QStringLiteral("File mancante"));
        QCOMPARE(services.messages.size(), 1);
        QTRY_VERIFY(QFile::exists(folderMark));
        QVERIFY(!QFile::exists(plantedMark));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
