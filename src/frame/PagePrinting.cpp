// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/PagePrinting.h"

#include "core/PdfFileName.h"
#include "frame/PageDrawing.h"
#include "frame/PrinterQueue.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Why the page cannot go to the printer, and the offer of a PDF instead.
QString offerText(const QString &why)
{
    return why + QStringLiteral("\rVuoi salvare il foglio come PDF?");
}

QString stateQuestion(const PrinterState &state)
{
    switch (state.kind) {
    case PrinterState::Stopped:
        return offerText(QStringLiteral("La stampante %1 è ferma.").arg(state.name));
    case PrinterState::Rejecting:
        return offerText(QStringLiteral("La stampante %1 non accetta lavori.").arg(state.name));
    case PrinterState::None:
    case PrinterState::Ready:
        break;
    }
    return QStringLiteral("Non c'è una stampante. Vuoi salvare il foglio come PDF?");
}

QString jobFailureText(const QString &printerName, JobFailure failure)
{
    return failure == JobFailure::Aborted
        ? QStringLiteral("Stampa non riuscita: la stampante %1 ha interrotto il lavoro.")
              .arg(printerName)
        : QStringLiteral("Stampa non riuscita: il lavoro è stato annullato nella stampante %1.")
              .arg(printerName);
}

// Draws the page into this file; false when it could not be drawn or written.
bool drawInto(PageDrawing &drawing, const PrintPage &page, const QString &file)
{
    if (!drawing.beginPage(file))
        return false;
    page.draw(drawing);
    return drawing.endPage();
}

// Draws the page for the printer and hands it to the queue; false (with the reason) when the
// page never became a job.
bool submit(Printing &printing, const PrintPage &page, QString &reason)
{
    PrinterQueue &queue = printing.printerQueue();
    const QString file = queue.pageFile();
    if (file.isEmpty()) {
        reason = queue.errorText();
        return false;
    }
    if (!drawInto(printing.pageDrawing(), page, file)) {
        reason = QStringLiteral("Stampa non riuscita: il foglio non si è potuto preparare.");
        return false;
    }
    if (!queue.submit(file)) {
        reason = queue.errorText();
        return false;
    }
    return true;
}

// Saves the page as a PDF if the pupil answers Yes.
void offerPdf(const PagePrinting::Roles &roles, const PrintPage &page, const QString &question)
{
    if (roles.messages.messageBox(question, MsgBox::YesNoInformation) == MsgAnswer::Yes)
        PagePrinting::saveAsPdf(roles, page);
}

} // namespace

namespace PagePrinting {

void print(const Roles &roles, const PrintPage &page)
{
    const PrinterState state = roles.printing.printerQueue().defaultPrinter();
    if (state.kind != PrinterState::Ready) {
        offerPdf(roles, page, stateQuestion(state));
        return;
    }
    QString reason;
    if (!submit(roles.printing, page, reason)) {
        offerPdf(roles, page, offerText(reason));
        return;
    }
    // The watch may outlive the screen: it keeps only the messages and the printer's name.
    roles.printing.printerQueue().watchJob(
        [&messages = roles.messages, name = state.name](JobFailure failure) {
            messages.messageBox(jobFailureText(name, failure), MsgBox::OkOnly);
        });
}

void saveAsPdf(const Roles &roles, const PrintPage &page)
{
    const QString proposed =
        QDir(roles.printing.documentsFolder())
            .filePath(pdfFileName(page.kind, page.pupilName, roles.clock.today()));
    QString path = roles.printing.askPdfFilePath(proposed);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (!drawInto(roles.printing.pageDrawing(), page, path)) {
        roles.messages.messageBox(
            QStringLiteral("Non riesco a salvare il foglio nella cartella\r%1\r"
                           "Scegli un'altra cartella.")
                .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())),
            MsgBox::OkOnly);
    }
}

} // namespace PagePrinting
