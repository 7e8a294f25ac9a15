// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "drill/OperationPanel.h"

#include "core/OperationDisplay.h"
#include "drill/AnswerField.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/SpokenLabel.h"
#include "frame/Twips.h"

#include <QApplication>
#include <QLabel>

namespace {

constexpr int NumberTop = 150;

void moveLeft(QWidget *widget, int leftTwips)
{
    widget->move(Twips::toPixels(leftTwips), widget->y());
}

} // namespace

OperationPanel::OperationPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frmNumero"));
    setFrameShape(QFrame::NoFrame);
    Controls::setBackground(this, Colour::rgb(255, 255, 192));

    const QFont big = Controls::arial(72, true);
    auto numberLabel = [&](const QString &name, const QString &text, Qt::Alignment alignment) {
        QLabel *label = Controls::label(this, name, text, big);
        label->setAlignment(alignment);
        return label;
    };
    m_number1 =
        numberLabel(QStringLiteral("LblNumero1"), QString(), Qt::AlignHCenter | Qt::AlignTop);
    Controls::place(m_number1, 120, NumberTop, 3015, 1845);
    QLabel *minus =
        numberLabel(QStringLiteral("LblSegno"), QStringLiteral("-"), Qt::AlignLeft | Qt::AlignTop);
    Controls::place(minus, 3180, 180, 765, 1815);

    m_answer = new AnswerField(this);
    m_answer->setObjectName(QStringLiteral("TxtRisultato"));
    m_answer->setAccessibleName(QStringLiteral("Risultato"));
    m_operation = new SpokenLabel(m_answer);
    m_answer->setFont(big);
    m_answer->setAlignment(Qt::AlignCenter);
    // The desktop's menu colour until the mode gives the box its own.
    Controls::setBackground(m_answer, QApplication::palette().color(QPalette::Button));
    Controls::place(m_answer, 3990, NumberTop, 3015, 1875);

    QLabel *equals =
        numberLabel(QStringLiteral("LblUguale"), QStringLiteral("="), Qt::AlignLeft | Qt::AlignTop);
    Controls::place(equals, 7020, 120, 915, 1815);
    m_number2 =
        numberLabel(QStringLiteral("LblNumero2"), QString(), Qt::AlignHCenter | Qt::AlignTop);
    Controls::place(m_number2, 7980, NumberTop, 3015, 1845);
}

void OperationPanel::showOperation(const Exercise::OperationView &view)
{
    m_number1->setText(view.number1);
    moveLeft(m_number1, view.number1Left);
    m_number2->setText(view.number2);
    moveLeft(m_number2, view.number2Left);
    moveLeft(m_answer, view.answerLeft);
    m_operation->setText(view.spoken);
    m_answer->setAccessibleDescription(view.task);
}

void OperationPanel::clearNumbers()
{
    m_number1->clear();
    m_number2->clear();
}

void OperationPanel::setColours(const QColor &background, const QColor &answerText)
{
    Controls::setBackground(this, background);
    Controls::setBackground(m_answer, background);
    Controls::setTextColour(m_answer, answerText);
}
