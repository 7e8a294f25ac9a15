// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RegisterValues.h"

#include <QTableWidget>
#include <utility>

// The class in the teacher's register: one row per pupil, sorted by a click on a heading,
// narrowed by what the teacher types in the search box.
class ClassTable final : public QTableWidget
{
    Q_OBJECT

public:
    explicit ClassTable(QWidget *parent);

    void setPupils(const QList<Register::PupilOverview> &pupils);
    // Hides the pupils whose name does not contain what was typed, as names are compared.
    void filterRows(const QString &typed);
    // The pupil of the chosen row: (key, name), or empty.
    std::pair<QString, QString> chosenPupil() const;
};
