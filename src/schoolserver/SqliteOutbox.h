// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "schoolserver/Outbox.h"
#include "schoolserver/SetAside.h"

#include <QDateTime>
#include <QSqlDatabase>

namespace SchoolServer {

// The outbox in the PC's register file, on a connection of its own in the calling thread,
// beside the register's writer. The file keeps a row's "sent" mark; with a school server it is
// only an outbox, and rows sent more than a day ago leave it.
class SqliteOutbox final : public Outbox
{
public:
    explicit SqliteOutbox(const QString &filePath);
    ~SqliteOutbox() override;
    SqliteOutbox(const SqliteOutbox &) = delete;
    SqliteOutbox &operator=(const SqliteOutbox &) = delete;

    std::optional<Batch> nextBatch(int answers) override;
    bool markSent(const Batch &batch, const QList<int> &refused) override;
    // Removes the sessions started before `before` whose every row the server has, with their
    // answers and reviews, and the pupils left without sessions; a session with rows set aside
    // goes once started before `setAsideBefore`.
    bool removeSentBefore(const QDateTime &before, const QDateTime &setAsideBefore);

private:
    // Open on the file now under the register's name; false when there is none to read.
    bool ensureOpen();
    // Tells the teacher's screens how many rows are set aside, and whose.
    void publishSetAside();
    bool readRows(Batch &batch, Table table, const QString &where, const QVariantList &values);

    QString m_filePath;
    QString m_connection;
    QString m_identity; // of the file opened
    bool m_open = false;
};

} // namespace SchoolServer
