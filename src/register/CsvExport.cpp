// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/CsvExport.h"

#include "core/DrillCodes.h"
#include "core/StartChoices.h"
#include "register/RegisterQueries.h"

#include <QHash>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace Register {

void appendCsvField(QByteArray &out, const QString &text)
{
    QByteArray bytes = text.toUtf8();
    // A spreadsheet would run a cell that starts like a formula: a quote before it keeps it text.
    const bool formula = !bytes.isEmpty() && QByteArrayLiteral("=+-@\t\r").contains(bytes.front());
    if (formula)
        bytes.prepend('\'');
    if (!formula && !bytes.contains(';') && !bytes.contains('"') && !bytes.contains('\n')
        && !bytes.contains('\r')) {
        out += bytes;
        return;
    }
    out += '"';
    out += bytes.replace('"', "\"\"");
    out += '"';
}

namespace {

    constexpr qsizetype ChunkBytes = 1 << 20;
    constexpr int ProgressRows = 2000;

    QByteArray termText(int askedTerm)
    {
        return termName(termOf(askedTerm).value_or(Term::Subtrahend)).toUtf8();
    }

} // namespace

int exportCsv(RegisterQueries &queries, const QString &pupilKey, const QString &filePath,
    const std::function<void(int rows)> &progress)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    QByteArray out = QByteArrayLiteral(
        "\xEF\xBB\xBF"
        "Alunno;Inizio sessione;Modalità;Da;A;Operazione;Minuendo;Sottraendo;Termine cercato;"
        "Risultato atteso;Risposta data;Esatta;Secondi;Errore;Data e ora della risposta\r\n");
    out.reserve(ChunkBytes + 4096);
    QList<QByteArray> modes;
    for (const auto &mode : StartChoices::modes()) {
        modes.append(QByteArray());
        appendCsvField(modes.last(), mode.listText);
    }

    const QString onePupil =
        pupilKey.isEmpty() ? QString() : QStringLiteral(" WHERE s.pupil_key = ?");
    QSqlDatabase database = QSqlDatabase::database(queries.connectionName(), false);
    QSqlQuery query(database);
    query.setForwardOnly(true);

    // The fields of a session, written once for all its answers.
    QHash<qint64, QByteArray> sessionFields;
    query.prepare(
        QStringLiteral("SELECT s.rowid, p.display_name, s.started_at, s.mode, s.range_low,"
                       " s.range_high FROM sessions s"
                       " JOIN pupils p ON p.name_key = s.pupil_key")
        + onePupil);
    if (!pupilKey.isEmpty())
        query.addBindValue(pupilKey);
    if (!query.exec())
        return -1;
    while (query.next()) {
        QByteArray fields;
        appendCsvField(fields, query.value(1).toString());
        // Times are text as stored: any text, from another version or another writer.
        fields += ';';
        appendCsvField(fields, query.value(2).toString());
        fields += ';';
        fields += modes.value(query.value(3).toInt() - 1) + ';';
        fields += QByteArray::number(query.value(4).toInt()) + ';';
        fields += QByteArray::number(query.value(5).toInt()) + ';';
        sessionFields.insert(query.value(0).toLongLong(), fields);
    }

    // The sessions lead the join, so that the rows come in order from the indexes, unsorted.
    // CROSS JOIN fixes that order in SQLite; a school server's PostgreSQL plans its own.
    const QString join = database.driverName() == QLatin1String("QSQLITE")
        ? QStringLiteral(" CROSS JOIN")
        : QStringLiteral(" JOIN");
    query.prepare(QStringLiteral("SELECT s.rowid, a.operation_no, a.minuend, a.subtrahend,"
                                 " a.asked_term, a.expected, a.typed, a.is_right, a.seconds,"
                                 " a.error_label, a.answered_at FROM sessions s")
        + join + QStringLiteral(" answers a ON a.session_id = s.id") + onePupil
        + QStringLiteral(" ORDER BY s.pupil_key, s.started_at, s.rowid, a.operation_no"));
    if (!pupilKey.isEmpty())
        query.addBindValue(pupilKey);
    if (!query.exec())
        return -1;
    int rows = 0;
    while (query.next()) {
        out += sessionFields.value(query.value(0).toLongLong());
        for (int column = 1; column <= 3; ++column) {
            out += QByteArray::number(query.value(column).toInt());
            out += ';';
        }
        out += termText(query.value(4).toInt());
        out += ';';
        out += QByteArray::number(query.value(5).toInt());
        out += ';';
        appendCsvField(out, query.value(6).toString());
        out += query.value(7).toBool() ? ";sì;" : ";no;";
        out += QByteArray::number(query.value(8).toDouble(), 'f', 1).replace('.', ',');
        out += ';';
        appendCsvField(out, query.value(9).toString());
        out += ';';
        appendCsvField(out, query.value(10).toString());
        out += "\r\n";
        ++rows;
        if (progress && rows % ProgressRows == 0)
            progress(rows);
        if (out.size() >= ChunkBytes) {
            if (file.write(out) != out.size())
                return -1;
            out.clear();
        }
    }
    if (file.write(out) != out.size() || !file.commit())
        return -1;
    return rows;
}

} // namespace Register
