// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace Register {

class RegisterQueries;

// Writes one row per judged answer, of one pupil or (an empty key) of all, as a spreadsheet
// opens it in Italy: UTF-8 with a byte-order mark, ";" between fields, a decimal comma, Italian
// headings, dates as yyyy-MM-dd HH:mm:ss. The rows written, or -1 when the file cannot be written.
// progress, when given, hears the rows written so far every few thousand rows.
// One field: between quotes, its quotes doubled, when it holds a separator, a quote or a line
// break; after a single quote, and between quotes, when it starts as a formula would (=, +, -,
// @, a tab or a carriage return), so that a spreadsheet shows it as text.
void appendCsvField(QByteArray &out, const QString &text);

int exportCsv(RegisterQueries &queries, const QString &pupilKey, const QString &filePath,
    const std::function<void(int rows)> &progress = {});

} // namespace Register
