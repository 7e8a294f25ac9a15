// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QLineEdit>

// The answer box: digits only, at most three, and no change at all once the answer is judged,
// whichever way text arrives: typed, pasted, dropped, from an input method, or set or inserted
// by an assistive technology. A change against these rules is undone at once and reported by
// refused(). The program's own writes (the keypad, a new operation) go through setAnswer().
class AnswerField : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int MaxDigits = 3;

    explicit AnswerField(QWidget *parent = nullptr);

    // A judged box is read-only and keeps its answer against every other writer.
    void setJudged(bool judged);
    bool isJudged() const { return m_judged; }
    // Writes the box as the program: cut to three characters like any other text.
    void setAnswer(const QString &text);

signals:
    // The box's text after each change that stands.
    void answerChanged(const QString &text);
    void refused();

private:
    void keepRules(const QString &text);

    QString m_accepted;
    bool m_judged = false;
    bool m_programWrite = false;
    bool m_undoing = false;
};
