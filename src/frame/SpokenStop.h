// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QLabel>

// A place on screen that the keyboard can reach and a screen reader reads in words: it lies,
// blank and see-through, over a text that cannot take the focus (a report record, a line of
// the certificate), follows it in place and visibility, and carries the text's spoken form as
// its name. The screen looks the same; Tab stops on each text after the screen's buttons.
class SpokenStop : public QLabel
{
    Q_OBJECT

public:
    SpokenStop(QWidget *shown, const QString &words = QString());

    // What is heard when the stop takes the focus; nothing keeps it out of reach.
    void setWords(const QString &words);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QWidget *m_shown;
};
