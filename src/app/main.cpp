// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// VOVORUDOROZ.1: a subtraction drill for primary-school pupils.
//
// main builds the one session record and the desktop services, tells the screen registry how
// to build each screen, and opens the background screen, which opens the start screen. From
// there every screen reads and writes the session record and reaches the desktop only through
// the services. The program ends when its last screen closes, at "FINE SESSIONE", or at a
// SIGTERM; each way, the register records the end of a session still open.

#include "app/ScreenWiring.h"
#include "app/TermSignal.h"
#include "core/PlatformChoice.h"
#include "core/SessionRecord.h"
#include "desktop/QtServices.h"
#include "frame/PngPicture.h"
#include "frame/ProgramStyle.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    const QByteArray platform = preferredPlatform(
        qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    quitOnTermSignal(app);
    QApplication::setApplicationName(QStringLiteral("vovorudoroz"));
    QApplication::setDesktopFileName(QStringLiteral("org.vovorudoroz.Vovorudoroz"));
    QIcon icon;
    for (int size : { 16, 32, 48, 64 })
        icon.addPixmap(pngPicture(QStringLiteral(":/icon/%1.png").arg(size)));
    QApplication::setWindowIcon(icon);
    // One look everywhere, and one that honours the buttons' own colours.
    QApplication::setStyle(createProgramStyle());

    // Qt's own dialog texts ("Sì", "No", "Annulla") in Italian.
    QTranslator qtItalian;
    if (qtItalian.load(
            QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);

    SessionRecord session;
    QtServices services;
    registerScreens(services.screens(), session, services);
    // The background screen shows itself and then the start screen above it.
    services.screens().get(ScreenId::Background);
    // A lab PC copies its register to the school's server, when the school named one.
    services.startLabSender();
    return QApplication::exec();
}
