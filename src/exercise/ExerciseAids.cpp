// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "exercise/ExerciseAids.h"

#include "core/NumberLineHint.h"
#include "core/NumberWords.h"
#include "core/Session.h"
#include "core/SessionRecord.h"
#include "exercise/NumberLine.h"
#include "frame/Controls.h"
#include "frame/Screen.h"
#include "frame/Speech.h"

#include <QPushButton>
#include <QShortcut>

namespace {
// How much larger the screen is shown for a pupil with low vision, room allowing.
constexpr double LargeFactor = 1.5;
} // namespace

ExerciseAids::ExerciseAids(
    Screen *screen, SessionRecord &session, Exercise::Session &run, Speech &speech)
    : QObject(screen), m_screen(screen), m_client(screen->client()), m_session(session), m_run(run),
      m_speech(speech)
{
    auto *repeat = new QShortcut(QKeySequence(Qt::Key_F5), screen);
    connect(repeat, &QShortcut::activated, this, [this] {
        if (m_session.PupilMeasures.readAloud)
            readOperation();
    });
    auto *aid = new QShortcut(QKeySequence(Qt::Key_F6), screen);
    connect(aid, &QShortcut::activated, this, [this] {
        if (m_session.PupilMeasures.aidOffered)
            drawNumberLine();
    });
}

void ExerciseAids::sessionStarting()
{
    const bool large = m_session.PupilMeasures.largeContrast;
    m_screen->magnify(large ? LargeFactor : 1.0, large);
}

void ExerciseAids::operationShown()
{
    m_answering = true;
    if (m_line)
        m_line->hide();
    if (m_session.PupilMeasures.aidOffered && !m_aidButton) {
        // Between the verdict and the keypad, where the screen is bare.
        m_aidButton = Controls::button(m_client, QStringLiteral("cmdAiuto"),
            QStringLiteral("AIUTO"), Controls::arial(9.75, true));
        Controls::place(m_aidButton, 7020, 3990, 1110, 495);
        m_aidButton->setToolTip(QStringLiteral("Disegna la linea dei numeri (F6)"));
        connect(m_aidButton, &QPushButton::clicked, this, &ExerciseAids::drawNumberLine);
    }
    if (m_aidButton) {
        m_aidButton->setVisible(m_session.PupilMeasures.aidOffered);
        m_aidButton->setDefault(false);
    }
    if (m_session.PupilMeasures.readAloud)
        readOperation();
}

void ExerciseAids::judged(const Exercise::Verdict &verdict)
{
    m_answering = false;
    if (m_session.PupilMeasures.readAloud)
        m_speech.say(NumberWords::numbersInWords(verdict.spoken));
    // After a wrong answer the aid is offered first: the button stands out for the next one.
    if (m_aidButton && !verdict.right)
        offerAid(true);
}

void ExerciseAids::readOperation()
{
    const auto &operation = m_run.operation();
    if (!operation)
        return;
    // The operation ends with its question mark: the task follows it as a sentence of its own.
    const QString words = NumberWords::numbersInWords(operation->spoken);
    const QString pause =
        words.endsWith(QLatin1Char('?')) ? QStringLiteral(" ") : QStringLiteral(". ");
    m_speech.say(words + pause + operation->task);
}

// Drawn only while an answer is awaited, so that the help belongs to the answer that follows.
void ExerciseAids::drawNumberLine()
{
    if (!m_answering)
        return;
    if (!m_line) {
        m_line = new NumberLine(m_client);
        Controls::place(m_line, 480, 4860, 7260, 840);
    }
    m_line->setLine(Exercise::numberLineHint(
        m_session.Difference + m_session.Subtrahend, m_session.Subtrahend, m_session.AskedTerm));
    m_line->show();
    m_line->raise();
    m_run.noteAidUsed();
    if (m_aidButton)
        offerAid(false);
    if (m_session.PupilMeasures.readAloud)
        m_speech.say(NumberWords::numbersInWords(m_line->accessibleDescription()));
}

// An offered aid stands out, underlined, and says so to a screen reader.
void ExerciseAids::offerAid(bool offered)
{
    QFont font = m_aidButton->font();
    font.setUnderline(offered);
    m_aidButton->setFont(font);
    m_aidButton->setAccessibleDescription(
        offered ? QStringLiteral("Vuoi un aiuto? Premi AIUTO") : QString());
}
