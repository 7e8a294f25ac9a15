// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "drill/AnswerField.h"

#include <algorithm>

namespace {
bool digitsOnly(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(),
        [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}
} // namespace

AnswerField::AnswerField(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(MaxDigits);
    // Every writer ends in a text change, an assistive technology's too: the rules are kept
    // there rather than at each way in.
    connect(this, &QLineEdit::textChanged, this, &AnswerField::keepRules);
}

void AnswerField::setJudged(bool judged)
{
    m_judged = judged;
    setReadOnly(judged);
    // Nothing is left to write in a judged box: Tab passes it by.
    setFocusPolicy(judged ? Qt::NoFocus : Qt::StrongFocus);
}

void AnswerField::setAnswer(const QString &text)
{
    m_programWrite = true;
    setText(text);
    m_programWrite = false;
}

void AnswerField::keepRules(const QString &text)
{
    if (m_undoing)
        return;
    if (!m_programWrite && (m_judged || !digitsOnly(text))) {
        m_undoing = true;
        setText(m_accepted);
        m_undoing = false;
        emit refused();
        return;
    }
    m_accepted = text;
    emit answerChanged(text);
}
