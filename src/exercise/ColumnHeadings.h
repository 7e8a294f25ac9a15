// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QLabel>
#include <QList>

// One row of column headings. It keeps its one-line text, blanks and all, for assistive
// technology, and draws each column's word centred in that column's room, in a smaller size
// where the word would not fit, so that no word crosses the lines between the columns whatever
// the font and the scale.
class ColumnHeadings : public QLabel
{
    Q_OBJECT

public:
    struct Column
    {
        int left = 0; // twips from the row's left edge
        int right = 0;
        QString word; // empty for a column this row leaves blank
    };

    ColumnHeadings(QWidget *parent, const QString &name, const QString &text, const QFont &font,
        const QList<Column> &columns);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect room(const Column &column) const;
    // The row's own font, made smaller until the word fits its room.
    QFont fittedFont(const Column &column) const;

    QList<Column> m_columns;
};
