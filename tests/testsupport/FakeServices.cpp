// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"

#include "register/RegisterQueries.h"
#include "register/TeacherPassword.h"

#include <QCoreApplication>
#include <QEvent>

void ScriptedRandomSource::seed(double clockReading)
{
    ++seedings;
    m_fallback.seed(clockReading);
}

double ScriptedRandomSource::next()
{
    return draws.isEmpty() ? m_fallback.next() : draws.takeFirst();
}

void FakeServices::advance(double seconds)
{
    clock += static_cast<float>(seconds);
    monotonic += seconds;
}

MsgAnswer FakeServices::messageBox(
    const QString &text, MessageStyle style, const QString &title, const QString &spokenFirst)
{
    messages.append(Message { text, style, title, spokenFirst });
    if (!answers.isEmpty())
        return answers.takeFirst();
    return style.buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

QString FakeServices::askPdfFilePath(const QString &proposedPath)
{
    pdfQuestions.append(proposedPath);
    return pdfAnswers.isEmpty() ? proposedPath : pdfAnswers.takeFirst();
}

QString FakeServices::askCsvFilePath(const QString &proposedPath)
{
    csvQuestions.append(proposedPath);
    return csvAnswers.isEmpty() ? proposedPath : csvAnswers.takeFirst();
}

std::unique_ptr<Register::ReaderThread> FakeServices::openReader()
{
    if (readerOpener)
        return std::make_unique<Register::ReaderThread>(readerOpener, readerWhere);
    if (registerPath.isEmpty())
        return nullptr;
    return std::make_unique<Register::ReaderThread>(
        [path = registerPath, throttle = &throttleStore] {
            auto queries = std::make_unique<Register::RegisterQueries>(path);
            Register::Opened opened;
            opened.password = std::make_unique<TeacherPassword>(*queries, nullptr, throttle);
            opened.reader = std::move(queries);
            return opened;
        },
        readerWhere);
}

std::unique_ptr<Register::ReaderThread> FakeServices::openTeacherReader(const QString &)
{
    // No school server answers here.
    return std::make_unique<Register::ReaderThread>(
        [] {
            Register::Opened opened;
            opened.login = PasswordGate::Check::ServerAway;
            return opened;
        },
        readerWhere);
}

bool FakeServices::startProgram(const QString &absolutePath)
{
    started.append(absolutePath);
    return realLauncher ? realLauncher->startProgram(absolutePath) : startSucceeds;
}

void flushDeletedScreens()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
