// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

// What goes from a PC's register to the school server in one server transaction.
namespace SchoolServer {

// In the order the server needs them: a row's parents before it.
enum class Table { Pupils, Sessions, Answers, Reviews };

struct TableColumns
{
    Table table;
    QString name;
    QStringList columns; // the same on the PC and on the server
    QString key; // the columns that make a row unique on the server
};

const QList<TableColumns> &tables();
const TableColumns &columnsOf(Table table);
// The session's end, which arrives after its start: the one change the server accepts.
constexpr int SessionEndedAtColumn = 3;

struct OutboxRow
{
    Table table = Table::Answers;
    qint64 localId = 0; // the row's rowid in the PC's file
    // False for a parent sent before and sent again only so that the server, whatever it lost
    // or deleted meanwhile, can take its children.
    bool unsent = true;
    QVariantList values; // in the order of columnsOf(table).columns
};

struct Batch
{
    QList<OutboxRow> rows; // parents first, then answers and reviews in the order written

    bool isEmpty() const { return rows.isEmpty(); }
    int count(Table table) const;
};

// The server's statement for a table's rows, one of the functions that are all the lab PCs'
// role may run: a row it has already changes nothing, except a session's end; a row of a pupil
// deleted after the session started is dropped. Empty for the pupils, who go with their sessions.
QString insertStatement(Table table);

} // namespace SchoolServer
