// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QWidget>

class QPainter;

// The certificate's picture: a parchment card with a gold frame, corner rosettes, stars at
// the top and a ribbon seal between laurel branches at the bottom. It is drawn as shapes, not
// pixels, and stretched to whatever box it gets, so it stays sharp on screen and on paper.
class CertificateArt : public QWidget
{
    Q_OBJECT

public:
    // The picture's own coordinates, in the twips of the box it was designed for.
    static constexpr int DesignWidth = 4890;
    static constexpr int DesignHeight = 6390;

    explicit CertificateArt(QWidget *parent = nullptr);

    // Draws the picture stretched to fill the target rectangle.
    static void paint(QPainter &painter, const QRectF &target);

protected:
    void paintEvent(QPaintEvent *event) override;
};
