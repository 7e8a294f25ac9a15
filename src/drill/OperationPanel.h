// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QFrame>

class AnswerField;
class QLabel;
class SpokenLabel;
namespace Exercise {
struct OperationView;
}

// The operation in large type: two number labels, "-" and "=" that never move, and the answer
// box in the hidden term's place (frmNumero and its controls).
class OperationPanel : public QFrame
{
    Q_OBJECT

public:
    explicit OperationPanel(QWidget *parent);

    AnswerField *answerField() const { return m_answer; }
    // Fills the numbers and moves them and the answer box to their places.
    void showOperation(const Exercise::OperationView &view);
    // Empties both numbers.
    void clearNumbers();
    // The screen's colour in the panel and the answer box, and the answer's text colour.
    void setColours(const QColor &background, const QColor &answerText);

private:
    QLabel *m_number1 = nullptr;
    QLabel *m_number2 = nullptr;
    AnswerField *m_answer = nullptr;
    // The operation in words, heard before the answer box's name whenever a screen reader
    // reads the box: when it takes the focus and when the pupil asks where he is.
    SpokenLabel *m_operation = nullptr;
};
