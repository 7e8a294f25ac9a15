// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The floor of the start-up measurement: the least a Qt Widgets program does to put a window
// on screen, built with the same compiler, flags and Qt as the program. Its window is the
// size of the start screen and painted in the colour the measurement looks for.
//
//   vovo_floor           a bare window
//   vovo_floor --text    the same window with one line of text, which brings up the font
//                        system as every window of the program does

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("VOVOFLOOR"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(255, 192, 255));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(792, 574);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto *line = new QLabel(QStringLiteral("VOVORUDOROZ.1"), &window);
        line->setFont(QFont(QStringLiteral("Arial"), 14));
        line->move(20, 20);
    }
    window.show();
    return QApplication::exec();
}
