// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RegisterValues.h"

#include <QHash>
#include <QTableWidget>
#include <optional>
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
    // Every pupil of the class, those the search hides too.
    QStringList pupilKeys() const { return m_assignments.keys(); }
    std::optional<Practice::Assignment> assignmentOf(const QString &key) const
    {
        return m_assignments.value(key);
    }

private:
    QHash<QString, std::optional<Practice::Assignment>> m_assignments;
};
