// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/RegisterStatus.h"
#include "register/RegisterRows.h"

#include <QObject>
#include <QSqlError>
#include <QTimer>
#include <deque>
#include <optional>

namespace Register {

// Writes the register's rows in the order given, on its own thread and its own connection, each
// row in its own transaction. Rows that cannot be written yet (a busy file, a full or missing
// disk) wait and are tried again; the status counts the answers not in the file.
class RegisterWriter final : public QObject
{
public:
    RegisterWriter(const QString &path, StatusBoard &status);

    // Both run in the writer's thread.
    void add(Row row);
    void close();

private:
    void writePending();
    bool ensureOpen();
    // Moves the damaged file aside; false when it cannot be moved.
    bool startNewFileAfterDamage();
    void publishCount();

    QString m_path;
    StatusBoard &m_status;
    QString m_connection;
    bool m_open = false;
    bool m_neverWritable = false; // a newer version's file, or a read-only one: not retried
    bool m_pagesChecked = false;
    bool m_leftOpenClosed = false; // the sessions a killed run left open, ended
    std::deque<Row> m_pending;
    std::optional<StartRow> m_currentStart;
    int m_refusedAnswers = 0;
    QTimer m_retry;
};

} // namespace Register
