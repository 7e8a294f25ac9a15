// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "ui/QtPrinterService.h"

#include "ui/JobWatch.h"
#include "ui/PrinterFontList.h"
#include "ui/Spooler.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLibrary>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>
#include <utility>

namespace {
// Dots per inch of a window's image on paper: sharp enough for a certificate to be cut out.
constexpr double WindowImageDpi = 300.0;

} // namespace

QtPrinterService::QtPrinterService() = default;

QtPrinterService::~QtPrinterService()
{
    if (m_painter.isActive())
        m_painter.end();
}

QStringList QtPrinterService::fontNames()
{
    if (m_fontNames.isEmpty()) {
        m_fontNames = printerFontList(QFontDatabase::families(),
            [](const QString &name) { return QFontInfo(QFont(name)).family(); });
    }
    return m_fontNames;
}

bool QtPrinterService::fail(const QString &error)
{
    m_error = error;
    if (m_painter.isActive())
        m_painter.end();
    m_printer.reset();
    return false;
}

Spooler *QtPrinterService::spooler()
{
    if (!m_spoolerTried) {
        m_spoolerTried = true;
        // From the program folder only, by full path.
        QLibrary module(QCoreApplication::applicationDirPath() + QLatin1Char('/')
            + QLatin1String(SpoolerModuleName));
        if (auto create = reinterpret_cast<CreateSpooler>(module.resolve(CreateSpoolerSymbol)))
            m_spooler.reset(create());
    }
    return m_spooler.get();
}

PrinterState QtPrinterService::defaultPrinter()
{
    m_queue.clear();
    m_queueName.clear();
    if (!m_outputPdf.isEmpty())
        return PrinterState { PrinterState::Ready, QStringLiteral("PDF") };
    // Without the spooler module no page can reach a printer: as good as none.
    if (!spooler())
        return PrinterState {};
    const Spooler::Destination destination = spooler()->defaultDestination();
    m_queue = destination.queue;
    m_queueName = destination.state.name;
    return destination.state;
}

bool QtPrinterService::beginDocument()
{
    m_forPrinter = m_outputPdf.isEmpty();
    m_lastJob = 0;
    if (!m_forPrinter)
        return startDocument(m_outputPdf);
    if (m_queue.isEmpty())
        return fail(QStringLiteral("Stampa non riuscita: nessuna stampante disponibile."));
    if (!m_spoolFolder || !m_spoolFolder->isValid())
        m_spoolFolder = std::make_unique<QTemporaryDir>();
    if (!m_spoolFolder->isValid())
        return fail(QStringLiteral("Stampa non riuscita: non c'è posto per preparare il foglio."));
    return startDocument(m_spoolFolder->filePath(QStringLiteral("foglio.pdf")));
}

bool QtPrinterService::beginPdf(const QString &path)
{
    m_forPrinter = false;
    return startDocument(path);
}

bool QtPrinterService::startDocument(const QString &path)
{
    m_error.clear();
    if (m_painter.isActive())
        m_painter.end();
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setFullPage(false);
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(path);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setDocName(QStringLiteral("VOVORUDOROZ.1"));
    m_font = QFont(QStringLiteral("Arial"));
    m_font.setPointSizeF(12);
    m_x = m_y = 0;
    return true;
}

bool QtPrinterService::startPage(QPageLayout::Orientation orientation)
{
    // The page opens at the first thing drawn, so that its orientation can suit it.
    if (m_painter.isActive())
        return true;
    if (!m_printer || !m_error.isEmpty())
        return false;
    m_printer->setPageOrientation(orientation);
    if (!m_painter.begin(m_printer.get())) {
        m_error = QStringLiteral("Stampa non riuscita: il foglio non si è potuto preparare.");
        return false;
    }
    return true;
}

void QtPrinterService::setFontName(const QString &name)
{
    m_font.setFamily(name);
}

void QtPrinterService::setFontSize(double points)
{
    m_font.setPointSizeF(points);
}

void QtPrinterService::setFontBold(bool bold)
{
    m_font.setBold(bold);
}

void QtPrinterService::setPosition(int xTwips, int yTwips)
{
    m_x = xTwips;
    m_y = yTwips;
}

double QtPrinterService::toDevice(double twips) const
{
    return Twips::toDevice(twips, m_printer->resolution());
}

void QtPrinterService::printLine(const QString &text)
{
    if (!startPage(QPageLayout::Portrait))
        return;
    m_painter.setFont(m_font);
    const QFontMetricsF metrics(m_font, m_printer.get());
    // The position is the top of the line; text is drawn on its baseline.
    m_painter.drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()), text);
    m_y += metrics.height() * Twips::PerInch / m_printer->resolution();
}

void QtPrinterService::printWindow(QWidget *clientArea)
{
    if (!clientArea || !m_printer)
        return;
    const double dpi = clientArea->logicalDpiX();
    // A window wider than the upright page's printable width goes on a page turned sideways,
    // so that it prints whole at its size on screen.
    const double widthInches = clientArea->width() / dpi;
    const QPageLayout upright = [this] {
        QPageLayout layout = m_printer->pageLayout();
        layout.setOrientation(QPageLayout::Portrait);
        return layout;
    }();
    const bool sideways = widthInches > upright.paintRect(QPageLayout::Inch).width();
    if (!startPage(sideways ? QPageLayout::Landscape : QPageLayout::Portrait))
        return;

    const double ratio = WindowImageDpi / dpi;
    QImage image(clientArea->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    clientArea->render(&image);
    const double scale = m_printer->resolution() / dpi;
    const QRectF target(0, 0, clientArea->width() * scale, clientArea->height() * scale);
    m_painter.drawImage(target, image);
}

void QtPrinterService::paint(int xTwips, int yTwips, int widthTwips, int heightTwips,
    const std::function<void(QPainter &, const QRectF &)> &draw)
{
    if (!startPage(QPageLayout::Portrait))
        return;
    draw(m_painter,
        QRectF(toDevice(xTwips), toDevice(yTwips), toDevice(widthTwips), toDevice(heightTwips)));
}

void QtPrinterService::newPage()
{
    // A page that has not started yet is started empty, so that no page is lost.
    if (startPage(QPageLayout::Portrait))
        m_printer->newPage();
}

bool QtPrinterService::endDocument()
{
    if (!startPage(QPageLayout::Portrait))
        return fail(m_error.isEmpty() ? QStringLiteral("Stampa non riuscita.") : m_error);
    const bool ended = m_painter.end();
    const bool failed = !ended || m_printer->printerState() == QPrinter::Error;
    const QString path = m_printer->outputFileName();
    m_printer.reset();
    if (failed)
        return fail(QStringLiteral("Stampa non riuscita: il foglio non si è potuto preparare."));
    return !m_forPrinter || submit(path);
}

bool QtPrinterService::submit(const QString &path)
{
    QString reason;
    m_lastJob = spooler() ? spooler()->submit(m_queue, path, reason) : 0;
    QFile::remove(path);
    if (m_lastJob > 0)
        return true;
    return fail(QStringLiteral("Stampa non riuscita: la stampante %1 ha rifiutato il foglio (%2).")
                    .arg(m_queueName, reason));
}

void QtPrinterService::watchJob(std::function<void(JobFailure)> failed)
{
    const int job = std::exchange(m_lastJob, 0);
    if (job <= 0)
        return;
    new JobWatch([spooler = spooler(), job] { return spooler->jobState(job); },
        [failed = std::move(failed)](JobState state) {
            failed(state == JobState::Canceled ? JobFailure::Canceled : JobFailure::Aborted);
        },
        &m_watches);
}
