// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "register/CsvExport.h"

#include "register/RegisterQueries.h"
#include "start/StartChoices.h"

#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace Register {

namespace {

    constexpr qsizetype ChunkBytes = 1 << 20;

    void appendField(QByteArray &line, const QString &text)
    {
        const bool quoted = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"'))
            || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
        if (!quoted) {
            line += text.toUtf8();
            return;
        }
        QString doubled = text;
        doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        line += '"' + doubled.toUtf8() + '"';
    }

    QString modeText(int mode)
    {
        const auto &all = StartChoices::modes();
        return mode >= 1 && mode <= static_cast<int>(all.size()) ? all[mode - 1].listText
                                                                 : QString::number(mode);
    }

    QString termText(int askedTerm)
    {
        switch (askedTerm) {
        case 1:
            return QStringLiteral("differenza");
        case 2:
            return QStringLiteral("minuendo");
        default:
            return QStringLiteral("sottraendo");
        }
    }

} // namespace

int exportCsv(RegisterQueries &queries, const QString &pupilKey, const QString &filePath)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    QByteArray out = QByteArrayLiteral(
        "\xEF\xBB\xBF"
        "Alunno;Inizio sessione;Modalità;Da;A;Operazione;Minuendo;Sottraendo;Termine cercato;"
        "Risultato atteso;Risposta data;Esatta;Secondi;Errore;Data e ora della risposta\r\n");
    out.reserve(ChunkBytes + 4096);

    QSqlQuery query(QSqlDatabase::database(queries.connectionName(), false));
    query.setForwardOnly(true);
    const QString onePupil =
        pupilKey.isEmpty() ? QString() : QStringLiteral(" WHERE p.name_key = ?");
    query.prepare(
        QStringLiteral(
            "SELECT p.display_name, s.started_at, s.mode, s.range_low, s.range_high, "
            "a.operation_no,"
            " a.minuend, a.subtrahend, a.asked_term, a.expected, a.typed, a.is_right, a.seconds,"
            " a.error_label, a.answered_at FROM pupils p"
            " JOIN sessions s ON s.pupil_key = p.name_key JOIN answers a ON a.session_id = s.id")
        + onePupil + QStringLiteral(" ORDER BY p.name_key, s.started_at, s.id, a.operation_no"));
    if (!pupilKey.isEmpty())
        query.addBindValue(pupilKey);
    if (!query.exec())
        return -1;
    int rows = 0;
    const QByteArray separator(";");
    while (query.next()) {
        appendField(out, query.value(0).toString());
        out += separator + query.value(1).toString().toLatin1() + separator;
        appendField(out, modeText(query.value(2).toInt()));
        for (int column = 3; column <= 7; ++column)
            out += separator + QByteArray::number(query.value(column).toInt());
        out += separator + termText(query.value(8).toInt()).toLatin1();
        out += separator + QByteArray::number(query.value(9).toInt()) + separator;
        appendField(out, query.value(10).toString());
        out += query.value(11).toBool() ? QByteArrayLiteral(";sì;") : QByteArrayLiteral(";no;");
        out += QByteArray::number(query.value(12).toDouble(), 'f', 1).replace('.', ',') + separator;
        appendField(out, query.value(13).toString());
        out += separator + query.value(14).toString().toLatin1() + "\r\n";
        ++rows;
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
