// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "teacher/ClassTable.h"

#include "core/AssignmentWords.h"
#include "core/ErrorSummary.h"
#include "core/PupilKey.h"
#include "frame/Controls.h"

#include <QHeaderView>
#include <QLocale>

namespace {

constexpr int KeyRole = Qt::UserRole + 1;

// A cell shown as text and sorted by its own key (a number or a date), so that "9" comes
// before "10" and "—" before any figure.
class SortedCell final : public QTableWidgetItem
{
public:
    SortedCell(const QString &text, const QVariant &key) : QTableWidgetItem(text)
    {
        setData(Qt::UserRole, key);
    }
    bool operator<(const QTableWidgetItem &other) const override
    {
        return QVariant::compare(data(Qt::UserRole), other.data(Qt::UserRole))
            == QPartialOrdering::Less;
    }
};

// "Toglie la cifra più piccola dalla più grande (confermato)", one after the other: the last
// session's recurring error is always among them.
QString hypothesesText(const Register::PupilOverview &pupil)
{
    QStringList parts;
    for (const Hypothesis::Found &found : pupil.openHypotheses)
        parts.append(QStringLiteral("%1 (%2)").arg(
            Analysis::errorName(found.label), Hypothesis::stateWord(found.status.state)));
    return parts.join(QStringLiteral("; "));
}

QString trendArrow(Register::Trend trend)
{
    switch (trend) {
    case Register::Trend::Up:
        return QStringLiteral("↑");
    case Register::Trend::Down:
        return QStringLiteral("↓");
    case Register::Trend::Same:
        return QStringLiteral("=");
    case Register::Trend::None:
        break;
    }
    return QString();
}

QString secondsText(double seconds)
{
    return QLocale(QLocale::Italian).toString(seconds, 'f', 1);
}

} // namespace

ClassTable::ClassTable(QWidget *parent) : QTableWidget(0, 9, parent)
{
    setObjectName(QStringLiteral("tblClasse"));
    setAccessibleName(QStringLiteral("La classe"));
    setFont(Controls::arial(11));
    setHorizontalHeaderLabels({ QStringLiteral("Alunno"), QStringLiteral("Sessioni"),
        QStringLiteral("Ultima sessione"), QStringLiteral("Esatte"), QStringLiteral("Andamento"),
        QStringLiteral("Secondi"), QStringLiteral("Imparate"), QStringLiteral("Assegnato"),
        QStringLiteral("Errore ricorrente") });
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    // Rows as tall as their text: a class of thirty fits half a laptop's screen.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setStretchLastSection(true);
    // By name at first (Qt's own first order is descending); a click on a heading sorts by it.
    horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    setSortingEnabled(true);
}

void ClassTable::setPupils(const QList<Register::PupilOverview> &pupils)
{
    setSortingEnabled(false);
    setRowCount(0);
    setRowCount(int(pupils.size()));
    m_assignments.clear();
    for (int row = 0; row < int(pupils.size()); ++row) {
        const Register::PupilOverview &pupil = pupils[row];
        auto *name = new SortedCell(pupil.name, pupil.key);
        name->setData(KeyRole, pupil.key);
        const bool answered = pupil.lastRightPercent >= 0;
        const QString errors = hypothesesText(pupil);
        auto *error = new SortedCell(errors, errors);
        // A long list is cut on screen: whole in its tooltip and for a screen reader.
        error->setToolTip(errors);
        error->setData(Qt::AccessibleTextRole, errors);
        m_assignments.insert(pupil.key, pupil.assignment);
        QStringList learnedNames;
        for (const Practice::Family family : pupil.familiesLearned)
            learnedNames.append(Practice::familyName(family));
        auto *learned = new SortedCell(Practice::learnedWords(int(pupil.familiesLearned.size())),
            pupil.familiesLearned.size());
        learned->setToolTip(learnedNames.join(QStringLiteral(", ")));
        const QString assigned =
            pupil.assignment ? Practice::assignmentWords(*pupil.assignment) : QString();
        auto *assignment = new SortedCell(assigned, assigned);
        assignment->setToolTip(assigned);
        const QList<QTableWidgetItem *> cells { name,
            new SortedCell(QString::number(pupil.sessions), pupil.sessions),
            new SortedCell(
                pupil.lastSession.toString(QStringLiteral("dd/MM/yyyy")), pupil.lastSession),
            new SortedCell(
                answered ? QStringLiteral("%1 %").arg(pupil.lastRightPercent) : QStringLiteral("—"),
                pupil.lastRightPercent),
            new SortedCell(trendArrow(pupil.trend), int(pupil.trend)),
            new SortedCell(answered ? secondsText(pupil.medianSeconds) : QStringLiteral("—"),
                pupil.medianSeconds),
            learned, assignment, error };
        for (int column = 0; column < int(cells.size()); ++column)
            setItem(row, column, cells[column]);
    }
    setSortingEnabled(true);
    resizeColumnsToContents();
}

void ClassTable::filterRows(const QString &typed)
{
    const QString key = pupilKey(typed);
    for (int row = 0; row < rowCount(); ++row)
        setRowHidden(row, !item(row, 0)->data(KeyRole).toString().contains(key));
}

std::pair<QString, QString> ClassTable::chosenPupil() const
{
    const QList<QTableWidgetItem *> chosen = selectedItems();
    if (chosen.isEmpty())
        return {};
    const QTableWidgetItem *name = item(chosen.first()->row(), 0);
    return { name->data(KeyRole).toString(), name->text() };
}
