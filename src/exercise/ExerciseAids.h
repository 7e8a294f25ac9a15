// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QObject>

class NumberLine;
class QPushButton;
class QWidget;
class Screen;
class Speech;
struct SessionRecord;

namespace Exercise {
class Session;
struct Verdict;
} // namespace Exercise

// What a pupil's measures add to the exercise screen, and nothing for a pupil without them: the
// program's own voice reading the operation, the verdict and the exercise's score (F5 reads the
// operation again), and the number line, asked for with "AIUTO" or F6 and offered after a wrong
// answer. Every line drawn is kept in the register with the answer it helped. Large print and
// high contrast show the whole screen larger, white on black.
class ExerciseAids final : public QObject
{
public:
    ExerciseAids(Screen *screen, SessionRecord &session, Exercise::Session &run, Speech &speech);

    // Before the session's first operation: the screen larger and in high contrast for a pupil
    // whose plan asks for it, as built for any other.
    void sessionStarting();
    void operationShown();
    void judged(const Exercise::Verdict &verdict);

private:
    void readOperation();
    void drawNumberLine();
    void offerAid(bool offered);

    Screen *m_screen;
    QWidget *m_client;
    SessionRecord &m_session;
    Exercise::Session &m_run;
    Speech &m_speech;
    QPushButton *m_aidButton = nullptr; // made for a pupil who may ask for the number line
    NumberLine *m_line = nullptr;
    bool m_answering = false;
};
