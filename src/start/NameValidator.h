// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QValidator>

#include <functional>

class QLineEdit;

// Keeps a name free of digits and within its length, whatever way the text came in (typed,
// pasted, dropped, from an input method or set by an assistive technology): the digits go first,
// then what was just put in is cut to the room left, as typing stops at the limit. The field
// itself has no length limit of its own, which would cut a whole new text before its digits
// are gone.
class NameValidator : public QValidator
{
    Q_OBJECT

public:
    NameValidator(int maxLength, QLineEdit *field, std::function<void()> digitsRefused);

    State validate(QString &input, int &pos) const override;

private:
    int m_maxLength;
    std::function<void()> m_digitsRefused;
    QString m_shown; // the field's text before the change being judged
};
