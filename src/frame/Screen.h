// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QMainWindow>

class Magnifier;
class QMenu;

// The common shape of the program's windows: a fixed client area laid out in twips (the
// central widget, below the menu bar if there is one), deleted when closed, with the
// window events the screens react to turned into overridable hooks.
class Screen : public QMainWindow
{
    Q_OBJECT

public:
    explicit Screen(QWidget *parent = nullptr);

    // The client area into which the controls are placed.
    QWidget *client() const { return m_client; }

    // Fixes the client area's size (in twips) and the window's size around it.
    void setClientSize(int widthTwips, int heightTwips);
    // Shows the client area larger by the factor and, with contrast, white on black, its layout
    // scaled, not rearranged, and never larger than the desktop; factor 1 without contrast
    // shows it as it was built.
    void magnify(double factor, bool contrast);
    // A fixed frame with a close box and no minimise or maximise buttons.
    void useFixedDialogFrame();
    void centreOnScreen();
    // Fills the client area only, so that the menu bar and the controls keep their own colours.
    void setClientColour(const QColor &colour);

    // Adds a menu to the menu bar that Alt with the caption's first letter opens, as a mnemonic
    // would, while the caption stays as written (no underlined letter).
    QMenu *addMenuOpenedByAlt(const QString &caption);

    // Sets the screen up from the session record; called each time the screen is shown through
    // the registry, so that no screen ever writes another's controls.
    virtual void readSession() { }

signals:
    // Emitted once, when the window has agreed to close.
    void closed();

protected:
    // Each time the window becomes the active window of the program.
    virtual void onActivate() { }
    // A click or double-click on the bare client area (not on any control or panel).
    virtual void onBackgroundClick() { }
    // The window is closing; no screen of this program refuses.
    virtual void onClose() { }

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void fitToClient();

    QWidget *m_client;
    Magnifier *m_magnifier = nullptr; // made for the first magnified session
    bool m_closedEmitted = false;
};
