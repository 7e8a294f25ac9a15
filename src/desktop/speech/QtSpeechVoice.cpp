// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The speech module: one Italian QTextToSpeech on speech-dispatcher, silent while the desktop
// says a screen reader runs.

#include "desktop/SpeechVoice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QLocale>
#include <QTextToSpeech>

namespace {

class QtSpeechVoice final : public SpeechVoice
{
public:
    QtSpeechVoice()
    {
        // speech-dispatcher when present (Italian through espeak-ng); Qt's default otherwise.
        const QStringList engines = QTextToSpeech::availableEngines();
        m_speech = engines.contains(QStringLiteral("speechd"))
            ? new QTextToSpeech(QStringLiteral("speechd"))
            : new QTextToSpeech;
        m_speech->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
        askWhetherScreenReaderRuns();
    }
    ~QtSpeechVoice() override { delete m_speech; }

    void say(const QString &text) override
    {
        if (!m_answered) {
            m_pending = text; // said once the desktop has answered, if no screen reader runs
            return;
        }
        askWhetherScreenReaderRuns(); // for the next text: a screen reader may start or stop
        if (!m_screenReader)
            m_speech->say(text);
    }

private:
    // The accessibility bus's ScreenReaderEnabled: true only for a screen reader, not for any
    // other accessibility client. Asked without waiting; the answer serves the next text.
    void askWhetherScreenReaderRuns()
    {
        QDBusMessage question = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"),
            QStringLiteral("/org/a11y/bus"), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        question << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
        auto *watcher = new QDBusPendingCallWatcher(
            QDBusConnection::sessionBus().asyncCall(question, 2000), m_speech);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, m_speech,
            [this](QDBusPendingCallWatcher *call) {
                const QDBusPendingReply<QDBusVariant> reply = *call;
                m_screenReader = !reply.isError() && reply.value().variant().toBool();
                call->deleteLater();
                if (!std::exchange(m_answered, true) && !m_pending.isEmpty() && !m_screenReader)
                    m_speech->say(std::exchange(m_pending, QString()));
            });
    }

    QTextToSpeech *m_speech = nullptr;
    bool m_answered = false;
    bool m_screenReader = false;
    QString m_pending;
};

} // namespace

extern "C" Q_DECL_EXPORT SpeechVoice *vovorudorozCreateSpeechVoice()
{
    return new QtSpeechVoice;
}
