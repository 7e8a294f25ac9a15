// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/PagePrinting.h"

#include "core/PdfFileName.h"
#include "frame/PrinterService.h"
#include "frame/Services.h"

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

// Draws the page on a document the printer has just begun (begun false: it could not).
bool drawAndEnd(PrinterService &printer, const PrintPage &page, bool begun)
{
    if (!begun)
        return false;
    page.draw(printer);
    return printer.endDocument();
}

// Saves the page as a PDF if the pupil answers Yes.
void offerPdf(Services &services, const PrintPage &page, const QString &question)
{
    if (services.messageBox(question, MsgBox::YesNoInformation) == MsgBox::Yes)
        PagePrinting::saveAsPdf(services, page);
}

} // namespace

namespace PagePrinting {

void print(Services &services, const PrintPage &page)
{
    PrinterService &printer = services.printer();
    const PrinterState state = printer.defaultPrinter();
    if (state.kind != PrinterState::Ready) {
        offerPdf(services, page, stateQuestion(state));
        return;
    }
    if (!drawAndEnd(printer, page, printer.beginDocument())) {
        offerPdf(services, page, offerText(printer.errorText()));
        return;
    }
    // The watch may outlive the screen: it keeps only the services and the printer's name.
    printer.watchJob([&services, name = state.name](JobFailure failure) {
        services.messageBox(jobFailureText(name, failure), MsgBox::OkOnly);
    });
}

void saveAsPdf(Services &services, const PrintPage &page)
{
    const QString proposed =
        QDir(services.documentsFolder())
            .filePath(pdfFileName(page.kind, page.pupilName, services.today()));
    QString path = services.askPdfFilePath(proposed);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    PrinterService &printer = services.printer();
    if (!drawAndEnd(printer, page, printer.beginPdf(path))) {
        services.messageBox(QStringLiteral("Non riesco a salvare il foglio nella cartella\r%1\r"
                                           "Scegli un'altra cartella.")
                                .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())),
            MsgBox::OkOnly);
    }
}

} // namespace PagePrinting
