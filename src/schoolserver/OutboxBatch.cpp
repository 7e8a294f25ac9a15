// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "schoolserver/OutboxBatch.h"

#include <algorithm>

namespace SchoolServer {

const QList<TableColumns> &tables()
{
    static const QList<TableColumns> all {
        { Table::Pupils, QStringLiteral("pupils"),
            { QStringLiteral("name_key"), QStringLiteral("display_name"),
                QStringLiteral("first_seen") },
            QStringLiteral("name_key") },
        { Table::Sessions, QStringLiteral("sessions"),
            { QStringLiteral("id"), QStringLiteral("pupil_key"), QStringLiteral("started_at"),
                QStringLiteral("ended_at"), QStringLiteral("end_reason"), QStringLiteral("mode"),
                QStringLiteral("range_level"), QStringLiteral("range_low"),
                QStringLiteral("range_high"),
                // The server adds the pupil with the session: a pupil deleted there comes back
                // only with a session started after the deletion.
                QStringLiteral(
                    "(SELECT display_name FROM pupils WHERE name_key = sessions.pupil_key)"),
                QStringLiteral(
                    "(SELECT first_seen FROM pupils WHERE name_key = sessions.pupil_key)") },
            QStringLiteral("id") },
        { Table::Answers, QStringLiteral("answers"),
            { QStringLiteral("session_id"), QStringLiteral("operation_no"),
                QStringLiteral("minuend"), QStringLiteral("subtrahend"),
                QStringLiteral("asked_term"), QStringLiteral("expected"), QStringLiteral("typed"),
                QStringLiteral("is_right"), QStringLiteral("seconds"),
                QStringLiteral("error_label"), QStringLiteral("answered_at"),
                QStringLiteral("aid_used") },
            QStringLiteral("session_id, operation_no") },
        { Table::Reviews, QStringLiteral("reviews"),
            { QStringLiteral("session_id"), QStringLiteral("review_no"), QStringLiteral("done_at"),
                QStringLiteral("reviewed"), QStringLiteral("now_right") },
            QStringLiteral("session_id, review_no") },
    };
    return all;
}

const TableColumns &columnsOf(Table table)
{
    return tables().at(static_cast<int>(table));
}

int Batch::count(Table table) const
{
    return static_cast<int>(std::count_if(
        rows.cbegin(), rows.cend(), [table](const OutboxRow &row) { return row.table == table; }));
}

QString insertStatement(Table table)
{
    if (table == Table::Pupils)
        return QString();
    const TableColumns &t = columnsOf(table);
    QStringList marks;
    marks.fill(QStringLiteral("?"), t.columns.size());
    return QStringLiteral("SELECT lab_add_%1(%2)")
        .arg(t.name.chopped(1), marks.join(QStringLiteral(", ")));
}

} // namespace SchoolServer
