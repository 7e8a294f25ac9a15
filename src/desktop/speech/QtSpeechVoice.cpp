// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The speech module: one Italian QTextToSpeech on speech-dispatcher, silent while a screen
// reader runs.

#include "desktop/SpeechVoice.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLocale>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>

namespace {

constexpr int AnswerMilliseconds = 500;

QDBusMessage askAccessibilityBus(const QString &interface, const QString &method)
{
    return QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), interface, method);
}

// Whether a client of the accessibility bus follows the focus, as a screen reader does.
bool focusIsFollowed()
{
    const QDBusMessage address = QDBusConnection::sessionBus().call(
        askAccessibilityBus(QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")),
        QDBus::Block, AnswerMilliseconds);
    if (address.type() != QDBusMessage::ReplyMessage || address.arguments().isEmpty())
        return false;
    const QString name = QStringLiteral("vovorudoroz-screen-reader-check");
    bool followed = false;
    {
        QDBusConnection bus =
            QDBusConnection::connectToBus(address.arguments().constFirst().toString(), name);
        const QDBusMessage events = bus.call(
            QDBusMessage::createMethodCall(QStringLiteral("org.a11y.atspi.Registry"),
                QStringLiteral("/org/a11y/atspi/registry"),
                QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("GetRegisteredEvents")),
            QDBus::Block, AnswerMilliseconds);
        if (events.type() == QDBusMessage::ReplyMessage && !events.arguments().isEmpty()) {
            // a(ss): the listener's bus name and the event it listens to.
            const auto listeners = events.arguments().constFirst().value<QDBusArgument>();
            listeners.beginArray();
            while (!listeners.atEnd()) {
                QString listener;
                QString event;
                listeners.beginStructure();
                listeners >> listener >> event;
                listeners.endStructure();
                followed =
                    followed || event.startsWith(QLatin1String("focus:"), Qt::CaseInsensitive);
            }
            listeners.endArray();
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return followed;
}

// The desktop's word first (ScreenReaderEnabled, set when the desktop's settings start one);
// a screen reader started otherwise, as from a session's autostart, does not set it, but it
// follows the focus on the accessibility bus.
bool screenReaderRuns()
{
    QDBusMessage question = askAccessibilityBus(
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    question << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(question, QDBus::Block, AnswerMilliseconds);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
        && reply.arguments().constFirst().value<QDBusVariant>().variant().toBool())
        return true;
    return focusIsFollowed();
}

class QtSpeechVoice final : public SpeechVoice
{
public:
    QtSpeechVoice()
    {
        // speech-dispatcher when present (Italian through espeak-ng); Qt's default otherwise.
        const QStringList engines = QTextToSpeech::availableEngines();
        m_speech = new QTextToSpeech(
            engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : QString());
        m_speech->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
        askWhetherScreenReaderRuns();
    }
    ~QtSpeechVoice() override { delete m_speech; }

    void say(const QString &text) override
    {
        if (!m_answered) {
            m_pending = text; // said once the question is answered, if no screen reader runs
            return;
        }
        askWhetherScreenReaderRuns(); // for the next text: a screen reader may start or stop
        if (!m_screenReader)
            m_speech->say(text);
    }

private:
    // Asked on a thread of its own, one question at a time; the answer serves the next text.
    // A question still open when the program ends is left to end with it.
    void askWhetherScreenReaderRuns()
    {
        if (std::exchange(m_asking, true))
            return;
        // The answer comes back on the screens' thread, to a voice that may be gone by then.
        QThread *asking = QThread::create([this, voice = QPointer<QTextToSpeech>(m_speech)] {
            const bool runs = screenReaderRuns();
            if (QCoreApplication *program = QCoreApplication::instance())
                QMetaObject::invokeMethod(program, [this, voice, runs] {
                    if (voice)
                        answered(runs);
                });
        });
        QObject::connect(asking, &QThread::finished, asking, &QObject::deleteLater);
        asking->start();
    }

    void answered(bool screenReader)
    {
        m_asking = false;
        m_screenReader = screenReader;
        if (!std::exchange(m_answered, true) && !m_pending.isEmpty() && !m_screenReader)
            m_speech->say(std::exchange(m_pending, QString()));
    }

    QTextToSpeech *m_speech = nullptr;
    bool m_asking = false;
    bool m_answered = false;
    bool m_screenReader = false;
    QString m_pending;
};

} // namespace

extern "C" Q_DECL_EXPORT SpeechVoice *vovorudorozCreateSpeechVoice()
{
    return new QtSpeechVoice;
}
