// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "start/NameField.h"

#include "start/NameValidator.h"

NameField::NameField(int maxLength, QWidget *parent) : QLineEdit(parent)
{
    setValidator(new NameValidator(maxLength, this, [this] { emit digitsRefused(); }));
}
