// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "start/NameValidator.h"

#include "core/StartChoices.h"

#include <QLineEdit>

#include <algorithm>

NameValidator::NameValidator(int maxLength, QLineEdit *field, std::function<void()> digitsRefused)
    : QValidator(field), m_maxLength(maxLength), m_digitsRefused(std::move(digitsRefused)),
      m_shown(field->text())
{
    connect(field, &QLineEdit::textChanged, this, [this](const QString &text) { m_shown = text; });
}

QValidator::State NameValidator::validate(QString &input, int &pos) const
{
    QString kept = StartChoices::withoutDigits(input);
    if (kept.size() != input.size()) {
        // The cursor stays after the same letters it followed.
        pos = static_cast<int>(StartChoices::withoutDigits(input.left(pos)).size());
        m_digitsRefused();
    }
    if (kept.size() > m_maxLength) {
        // What was put in lies between the letters kept at the start and those kept at the end.
        const qsizetype most = std::min(kept.size(), m_shown.size());
        qsizetype head = 0;
        while (head < most && kept.at(head) == m_shown.at(head))
            ++head;
        qsizetype tail = 0;
        while (head + tail < most
            && kept.at(kept.size() - 1 - tail) == m_shown.at(m_shown.size() - 1 - tail))
            ++tail;
        const qsizetype room = std::max<qsizetype>(0, m_maxLength - head - tail);
        const qsizetype cut = kept.size() - m_maxLength;
        kept = kept.left(head + room) + kept.right(tail);
        if (pos > head + room)
            pos = static_cast<int>(std::max<qsizetype>(head + room, pos - cut));
    }
    input = kept;
    return Acceptable;
}
