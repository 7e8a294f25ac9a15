// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/Screen.h"

#include "frame/Magnifier.h"
#include "frame/MenuBarEntry.h"
#include "frame/Twips.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

Screen::Screen(QWidget *parent) : QMainWindow(parent), m_client(new QWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
}

QMenu *Screen::addMenuOpenedByAlt(const QString &caption)
{
    static const bool heardAsMenu = [] {
        QAccessible::installFactory(MenuBarEntry::create);
        return true;
    }();
    Q_UNUSED(heardAsMenu);
    QMenu *menu = menuBar()->addMenu(caption);
    auto *open = new QShortcut(QKeySequence(Qt::ALT | caption.at(0).toUpper().unicode()), this);
    connect(open, &QShortcut::activated, this,
        [this, menu] { menuBar()->setActiveAction(menu->menuAction()); });
    return menu;
}

void Screen::setClientSize(int widthTwips, int heightTwips)
{
    m_client->setFixedSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    fitToClient();
}

void Screen::magnify(double factor, bool contrast)
{
    if (!m_magnifier) {
        if (factor == 1.0 && !contrast)
            return;
        m_magnifier = new Magnifier(m_client);
    }
    // Never beyond the desktop's free area, whose frame and panels take their share.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        constexpr int FramePixels = 48;
        const QSize free = screen->availableGeometry().size();
        const QSize client = m_client->minimumSize() / Magnifier::factorOf(m_client);
        const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
        factor = std::max(1.0,
            std::min({ factor, double(free.width()) / client.width(),
                double(free.height() - menuHeight - FramePixels) / client.height() }));
    }
    const QSize before = size();
    m_magnifier->apply(factor, contrast);
    fitToClient();
    if (size() != before)
        centreOnScreen();
}

void Screen::fitToClient()
{
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    const QSize client = m_client->minimumSize();
    setFixedSize(client.width(), client.height() + menuHeight);
}

void Screen::useFixedDialogFrame()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void Screen::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Screen::setClientColour(const QColor &colour)
{
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, colour);
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);
}

bool Screen::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        onActivate();
    return QMainWindow::event(event);
}

bool Screen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client
        && (event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonDblClick)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_client->childAt(mouse->position().toPoint()))
            onBackgroundClick();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Screen::closeEvent(QCloseEvent *event)
{
    onClose();
    event->accept();
    if (!m_closedEmitted) {
        m_closedEmitted = true;
        emit closed();
    }
}
