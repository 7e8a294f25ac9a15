// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/RegisterStatus.h"

#include <QMutexLocker>

namespace Register {

namespace {

    QString stateText(State state)
    {
        switch (state) {
        case State::NotOpened:
            return QStringLiteral("Il registro si apre con la prima sessione.");
        case State::Ready:
            return QStringLiteral("Il registro funziona: ogni risposta è scritta subito.");
        case State::Off:
            return QStringLiteral("Il registro è spento dalle impostazioni della scuola: non si "
                                  "conserva nulla.");
        case State::ReadOnly:
            return QStringLiteral("Il file del registro si può leggere ma non scrivere: le nuove "
                                  "risposte non vengono conservate.");
        case State::Newer:
            return QStringLiteral("Il registro è stato scritto da una versione più recente del "
                                  "programma: si può consultare, ma non vi si scrive.");
        case State::Unavailable:
            return QStringLiteral("La cartella del registro non si può usare (disco mancante o "
                                  "protetto): le risposte saranno scritte appena possibile.");
        case State::Busy:
            return QStringLiteral(
                "Il registro è in uso da un'altra copia del programma: le risposte "
                "saranno scritte appena si libera.");
        case State::DiskFull:
            return QStringLiteral(
                "Il disco è pieno: le risposte saranno scritte appena c'è posto.");
        }
        return QString();
    }

} // namespace

QString Status::text() const
{
    QString text = stateText(state);
    if (!setAsideFile.isEmpty())
        text += QStringLiteral(" Il file del registro era danneggiato: è stato messo da parte "
                               "come \"%1\" e ne è stato iniziato uno nuovo.")
                    .arg(setAsideFile);
    if (answersNotKept > 0)
        text += QStringLiteral(" Risposte non conservate: %1.").arg(answersNotKept);
    if (rowsSetAside > 0)
        text += QStringLiteral(" Il server del registro ha rifiutato %1 righe di questo computer "
                               "(%2): sono messe da parte qui e non vengono più inviate.")
                    .arg(rowsSetAside)
                    .arg(pupilsSetAside.join(QStringLiteral(", ")));
    return serverNotice.isEmpty() ? text : serverNotice + QLatin1Char('\n') + text;
}

Status StatusBoard::get() const
{
    QMutexLocker lock(&m_mutex);
    return m_status;
}

void StatusBoard::setState(State state)
{
    QMutexLocker lock(&m_mutex);
    m_status.state = state;
}

void StatusBoard::setSetAsideFile(const QString &fileName)
{
    QMutexLocker lock(&m_mutex);
    m_status.setAsideFile = fileName;
}

void StatusBoard::setAnswersNotKept(int count)
{
    QMutexLocker lock(&m_mutex);
    m_status.answersNotKept = count;
}

} // namespace Register
