// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "QtPdfPrinting.h"
#include "ToolRun.h"
#include "certificate/FrmAttestato.h"
#include "core/SessionRecord.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The bounding box of everything that is not white paper.
QRect inkBox(const QImage &page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            const QRgb pixel = line[x];
            if (qRed(pixel) < 245 || qGreen(pixel) < 245 || qBlue(pixel) < 245)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class TestCertificatePrint : public QObject
{
    Q_OBJECT

private slots:
    // Saved by Ctrl+S through the real printer code: one image, the window's physical size at
    // 300 dots per inch or more, at the top-left of the printable area, with no buttons on it;
    // and the page the printer gets holds the same image.
    void savesTheWindowAtItsSize()
    {
        for (const char *tool : { "pdfimages", "pdftoppm" }) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("poppler-utils are not installed");
        }
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString file = folder.filePath(QStringLiteral("attestato.pdf"));
        const QString printed = folder.filePath(QStringLiteral("stampato.pdf"));

        SessionRecord session;
        session.PupilName = QStringLiteral("anna");
        session.RangeLow = 10;
        session.RangeHigh = 20;
        session.ModeCaption =
            QStringLiteral(" Calcola il minuen., sottr., resto/differ. secondo richiesta");
        session.RightCount = 36;
        session.OpCount = 40;
        session.OpRecords[40] = QStringLiteral("12 -  ? =  5   ( 7)   4 Tp");
        FakeServices services;
        QtPdfPrinting pdf(services, printed);
        services.pdfAnswers = { file };
        services.registry.setFactory(
            ScreenId::Certificate, [&] { return new FrmAttestato(session, services, services); });
        auto *screen = qobject_cast<FrmAttestato *>(services.screens().show(ScreenId::Certificate));
        QVERIFY(screen);
        QVERIFY(QTest::qWaitForWindowActive(screen));

        auto *print = screen->findChild<QPushButton *>(QStringLiteral("Command2"));
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(screen, Qt::Key_S, Qt::ControlModifier);
        qInfo("certificate saved as PDF in %lld ms", timer.elapsed());
        QTest::mouseClick(print, Qt::LeftButton);
        QVERIFY2(services.messages.isEmpty(), qPrintable(services.messages.value(0).text));
        QVERIFY(print->isVisible());

        // pdfimages -list: two header lines, then one row per image:
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        QString listing;
        QVERIFY(runTool(QStringLiteral("pdfimages"), { QStringLiteral("-list"), file }, &listing));
        QString printedListing;
        QVERIFY(runTool(
            QStringLiteral("pdfimages"), { QStringLiteral("-list"), printed }, &printedListing));
        QCOMPARE(printedListing, listing);
        const QStringList rows = listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        QCOMPARE(rows.size(), 1);
        const QStringList columns = rows[0].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY(columns.size() >= 14);
        QCOMPARE(columns[0], QStringLiteral("1"));
        QCOMPARE(columns[2], QStringLiteral("image"));
        const double width = columns[3].toDouble();
        const double height = columns[4].toDouble();
        const double xPpi = columns[12].toDouble();
        const double yPpi = columns[13].toDouble();
        QVERIFY2(xPpi >= 299.5 && yPpi >= 299.5, qPrintable(rows[0]));
        // 12000 x 9000 twips is 8.333 x 6.25 inches.
        QVERIFY2(qAbs(width / xPpi - 12000.0 / 1440) < 0.02, qPrintable(rows[0]));
        QVERIFY2(qAbs(height / yPpi - 9000.0 / 1440) < 0.02, qPrintable(rows[0]));

        // Where it lies: render the page and find the ink.
        constexpr int Dpi = 60;
        const QString stem = folder.filePath(QStringLiteral("page"));
        QVERIFY(runTool(QStringLiteral("pdftoppm"),
            { QStringLiteral("-png"), QStringLiteral("-r"), QString::number(Dpi),
                QStringLiteral("-singlefile"), file, stem }));
        const QImage page =
            QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!page.isNull());

        QPrinter reference(QPrinter::HighResolution);
        reference.setOutputFormat(QPrinter::PdfFormat);
        reference.setFullPage(false);
        // The window is wider than an upright A4 page's printable width: it goes sideways.
        reference.setPageOrientation(QPageLayout::Landscape);
        QVERIFY(page.width() > page.height());
        const QRectF printable = reference.pageLayout().paintRect(QPageLayout::Inch);
        const QPoint origin((printable.topLeft() * Dpi).toPoint());
        const QRect ink = inkBox(page);
        QVERIFY2(qAbs(ink.left() - origin.x()) <= 1 && qAbs(ink.top() - origin.y()) <= 1,
            qPrintable(QStringLiteral("ink at %1,%2, printable area at %3,%4")
                           .arg(ink.left())
                           .arg(ink.top())
                           .arg(origin.x())
                           .arg(origin.y())));
        QVERIFY(qAbs(ink.bottom() + 1 - (origin.y() + 6.25 * Dpi)) <= 1);
        // Whole, not cut at the page's edge.
        QVERIFY(qAbs(ink.right() + 1 - (origin.x() + qRound(12000.0 / 1440 * Dpi))) <= 1);

        // Where the buttons stand on screen the page shows the window's own pink.
        const auto onPage = [&](int xTwips, int yTwips) {
            return QColor(
                page.pixel(origin.x() + xTwips * Dpi / 1440, origin.y() + yTwips * Dpi / 1440));
        };
        const int blockLeft = (12000 - 6090) / 2;
        const QList<QPoint> buttonMiddles { { blockLeft + 465 + 2600, 465 + 7050 + 225 },
            { blockLeft + 450 + 1275, 465 + 7590 + 225 },
            { blockLeft + 3045 + 1290, 465 + 7605 + 225 } };
        for (const QPoint &middle : buttonMiddles) {
            const QColor colour = onPage(middle.x(), middle.y());
            QVERIFY2(qAbs(colour.red() - 255) < 12 && qAbs(colour.green() - 192) < 12
                    && qAbs(colour.blue() - 192) < 12,
                qPrintable(colour.name()));
        }
        // And the card is there, in its own colour around the picture.
        const QColor card = onPage(blockLeft + 465 + 30, 465 + 150 + 3000);
        QVERIFY2(qAbs(card.red() - 192) < 12 && card.green() > 243 && card.blue() > 243,
            qPrintable(card.name()));
    }
};

QTEST_MAIN(TestCertificatePrint)
#include "tst_certificateprint.moc"
