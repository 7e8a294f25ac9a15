// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "app/ScreenWiring.h"
#include "core/SessionRecord.h"
#include "desktop/QtServices.h"
#include "frame/ProgramStyle.h"
#include "start/FrmInizio.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QTest>

namespace {

QString mappedFiles()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(maps.readAll()) : QString();
}

} // namespace

// What the program loads before its start screen is up: as little as a window of its size
// needs, the rest on first use.
class TestStartLibraries : public QObject
{
    Q_OBJECT

private slots:
    // The real services and screens up to the start screen: the register's store is not loaded
    // until a name is accepted, and no image plugin is loaded at all, while the menu bar's
    // overflow arrow is still a picture.
    void startScreenLoadsOnlyItsOwn()
    {
        QApplication::setStyle(createProgramStyle());
        int storeLoads = 0;
        QtServices services([&] {
            ++storeLoads;
            return std::unique_ptr<RegisterStore>();
        });
        SessionRecord session;
        registerScreens(services.screens(), session, services);
        services.screens().get(ScreenId::Background);
        auto *start = services.screens().existing<FrmInizio>(ScreenId::Start);
        QVERIFY(start);
        QVERIFY(QTest::qWaitForWindowExposed(start));
        QVERIFY(start->findChild<QMenuBar *>());
        QCOMPARE(storeLoads, 0);
        QVERIFY2(!mappedFiles().contains(QStringLiteral("/imageformats/")),
            "an image plugin was loaded before the start screen");
        QVERIFY(!QApplication::style()
                     ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                     .pixmap(16)
                     .isNull());

        QTest::keyClicks(
            start->findChild<QLineEdit *>(QStringLiteral("txtNome")), QStringLiteral("Ugo"));
        start->findChild<QPushButton *>(QStringLiteral("cmdAvanti"))->click();
        QCOMPARE(storeLoads, 1);
        services.screens().close(ScreenId::Start);
        services.screens().close(ScreenId::Background);
        flushDeletedScreens();
    }

    // The program file itself names none of the libraries loaded on first use, which would
    // otherwise all load before its first screen.
    void programNamesNoLibraryOfLaterUse()
    {
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"),
            { QStringLiteral("--dynamic"), QStringLiteral(VOVO_PROGRAM_FILE) });
        if (!readelf.waitForFinished() || readelf.exitCode() != 0)
            QSKIP("readelf is not available");
        const QString needed = QString::fromLocal8Bit(readelf.readAllStandardOutput());
        QVERIFY2(needed.contains(QStringLiteral("libQt6Widgets")), qPrintable(needed));
        for (const char *later : { "libQt6Sql", "libsodium", "libQt6PrintSupport",
                 "libQt6Multimedia", "libQt6Charts", "libcups" })
            QVERIFY2(!needed.contains(QLatin1String(later)), later);
    }
};

QTEST_MAIN(TestStartLibraries)
#include "tst_startlibraries.moc"
