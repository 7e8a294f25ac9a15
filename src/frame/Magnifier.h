// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

// Shows a client area laid out in twips larger and, on request, in high contrast: every
// control keeps its place in the layout, scaled by the factor, and its font grows with it; in
// contrast white text stands on black. What the screen sets later while it runs (a control
// placed, a font or a colour changed, a control made) is scaled and contrasted in its turn, so
// that the screen's code knows nothing of it. Factor 1 without contrast gives the screen back
// exactly as it was built.
class Magnifier : public QObject
{
    Q_OBJECT

public:
    explicit Magnifier(QWidget *client);

    void apply(double factor, bool contrast);

    // The factor the widget is shown at: 1 outside a magnified client area.
    static double factorOf(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the screen gave a control, and what it was last given here, to tell the two apart.
    struct Given
    {
        QRect geometry;
        QRect shown;
        QFont font;
        QFont shownFont;
        bool ownFont = false;
        QPalette palette;
        QPalette shownPalette;
    };

    void track(QWidget *widget);
    void show(QWidget *widget);
    void takeGeometry(QWidget *widget, Given &given) const;

    QWidget *m_client;
    QSize m_clientSize;
    bool m_clientFilled;
    QPalette m_clientPalette;
    QHash<QWidget *, Given> m_given;
    double m_factor = 1.0;
    bool m_contrast = false;
    bool m_applying = false;
};
