// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"

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

int FakeServices::messageBox(
    const QString &text, int style, const QString &title, const QString &spokenFirst)
{
    messages.append(Message { text, style, title, spokenFirst });
    if (!answers.isEmpty())
        return answers.takeFirst();
    return (style & 0x0F) == 4 ? MsgBox::Yes : MsgBox::Ok;
}

QString FakeServices::askPdfFilePath(const QString &proposedPath)
{
    pdfQuestions.append(proposedPath);
    return pdfAnswers.isEmpty() ? proposedPath : pdfAnswers.takeFirst();
}

bool FakeServices::startProgram(const QString &absolutePath)
{
    started.append(absolutePath);
    return startSucceeds;
}

void flushDeletedScreens()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
