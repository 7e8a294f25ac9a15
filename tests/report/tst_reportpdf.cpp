// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "QtPdfPrinting.h"
#include "ReportSamples.h"
#include "ToolRun.h"
#include "report/FrmStampa.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Word
{
    QRectF box; // points, from the page's top-left
    QString text;
};

// The tool's output; empty when it failed.
QString run(const QString &program, const QStringList &arguments)
{
    QString output;
    return runTool(program, arguments, &output) ? output : QString();
}

QList<Word> words(const QString &bboxHtml)
{
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> result;
    for (const QRegularExpressionMatch &match : word.globalMatch(bboxHtml)) {
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        QString text = match.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        result.append(Word { QRectF(topLeft, bottomRight), text });
    }
    return result;
}

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

// Where the page's painting origin lies: the printer leaves its margins with fullPage off.
QPointF printableOrigin(const QString &probePath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(false);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(probePath);
    return printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
}

} // namespace

class TestReportPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (m_pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(m_dir.isValid());
    }

    // The page as the pupil gets it, saved as a PDF file: every line where the layout puts
    // it, to a fraction of a point, in a face with Courier's metrics (the columns of a record
    // line depend on it); and the page the printer gets is the same page.
    void savedPage()
    {
        SessionRecord session;
        fillSession(session, 40);
        const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
        const QString printed = m_dir.filePath(QStringLiteral("printed.pdf"));
        FakeServices services;
        QtPdfPrinting printer(services, printed);
        services.pdfAnswers = { pdf };

        QElapsedTimer timer;
        timer.start();
        {
            FrmStampa screen(session, services.screens(), services);
            screen.findChild<QAction *>(QStringLiteral("mnuSalvaPdf"))->trigger();
            qInfo("report built and saved as PDF in %lld ms", timer.elapsed());
            screen.findChild<QPushButton *>(QStringLiteral("cmdStampaS"))->click();
        }
        QVERIFY(services.messages.isEmpty());

        const QString html =
            run(m_pdftotext, { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
        const auto body = [](const QString &bbox) {
            return bbox.mid(bbox.indexOf(QStringLiteral("<doc>")));
        };
        QCOMPARE(body(run(m_pdftotext, { QStringLiteral("-bbox"), printed, QStringLiteral("-") })),
            body(html));
        // One upright A4 page (595 x 842 points).
        const QString pageTag = html.mid(html.indexOf(QStringLiteral("<page ")), 48);
        QVERIFY2(pageTag.contains(QStringLiteral(R"(width="595)"))
                && pageTag.contains(QStringLiteral(R"(height="842)")),
            qPrintable(pageTag));
        QVERIFY2(!html.isEmpty(), "pdftotext could not read the page");
        QCOMPARE(html.count(QStringLiteral("<page ")), 1);
        const QList<Word> page = words(html);
        const QPointF origin = printableOrigin(m_dir.filePath(QStringLiteral("probe.pdf")));

        struct Expected
        {
            QString text;
            int x;
            int y;
            double points;
        };
        QList<Expected> expected {
            { QStringLiteral("SCUOLA ELEMENTARE DI_____________________   "), 1000, 1000, 18 },
            { sampleRecord(1), 1000, 2000, 12 },
            { sampleRecord(11), 6000, 2000, 12 },
            { sampleRecord(21), 1000, 6400, 12 },
            { sampleRecord(31), 6000, 6400, 12 },
            { sampleRecord(40), 6000, 10000, 12 },
            { QStringLiteral("Eser. n.1: Tempo tot.  53 secondi"), 1000, 11000, 12 },
            { QStringLiteral("Eser. n.2: Tempo tot.  61 secondi"), 6000, 11000, 12 },
            { QStringLiteral("Eser. n.3: Tempo tot.  100 secondi"), 1000, 12000, 12 },
            { QStringLiteral("Eser. n.4: Tempo tot.  9 secondi"), 6000, 12000, 12 },
        };
        constexpr double Tolerance = 0.25; // points
        for (const Expected &line : expected) {
            const double left = origin.x() + line.x / 20.0;
            const double top = origin.y() + line.y / 20.0;
            const double advance = 0.6 * line.points; // every Courier glyph is 600/1000 em
            const QString trimmed = QString(line.text).remove(QRegularExpression(" +$"));
            const double right = left + trimmed.size() * advance;

            QList<Word> found;
            for (const Word &word : page) {
                if (qAbs(word.box.top() - top) < 2 && word.box.left() > left - 2
                    && word.box.right() < right + 2)
                    found.append(word);
            }
            std::sort(found.begin(), found.end(),
                [](const Word &a, const Word &b) { return a.box.left() < b.box.left(); });
            QString text;
            for (const Word &word : found) {
                text += word.text;
                QVERIFY2(qAbs(word.box.top() - top) < Tolerance,
                    qPrintable(QStringLiteral("%1: top %2, expected %3")
                                   .arg(line.text)
                                   .arg(word.box.top())
                                   .arg(top)));
            }
            QCOMPARE(text, withoutBlanks(line.text));
            QVERIFY2(qAbs(found.first().box.left() - left) < Tolerance,
                qPrintable(QStringLiteral("%1: left %2, expected %3")
                               .arg(line.text)
                               .arg(found.first().box.left())
                               .arg(left)));
            QVERIFY2(qAbs(found.last().box.right() - right) < Tolerance,
                qPrintable(QStringLiteral("%1: right %2, expected %3")
                               .arg(line.text)
                               .arg(found.last().box.right())
                               .arg(right)));
        }

        // The faces really embedded: Courier-compatible ones only, regular and bold.
        const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
        QVERIFY2(!pdffonts.isEmpty(), "pdffonts (poppler-utils) is missing");
        const QStringList fontTable = run(pdffonts, { pdf }).split(QLatin1Char('\n'));
        static const QRegularExpression compatible(
            QStringLiteral(R"(^(?:[A-Z]{6}\+)?(?:LiberationMono|NimbusMonoPS|Cousine)(-\w+)?$)"));
        QStringList faces;
        for (const QString &row : fontTable.mid(2)) {
            const QString name = row.section(QLatin1Char(' '), 0, 0);
            if (name.isEmpty())
                continue;
            QVERIFY2(compatible.match(name).hasMatch(), qPrintable(name));
            faces.append(name);
        }
        QVERIFY2(faces.size() >= 2, qPrintable(faces.join(QLatin1Char(','))));
        QVERIFY(std::any_of(faces.cbegin(), faces.cend(),
            [](const QString &face) { return face.contains(QLatin1String("Bold")); }));
        QVERIFY(std::any_of(faces.cbegin(), faces.cend(),
            [](const QString &face) { return !face.contains(QLatin1String("Bold")); }));
    }

    // A file that cannot be written is told, naming its folder; nothing else changes.
    void unwritableFolderIsNamed()
    {
        SessionRecord session;
        fillSession(session, 10);
        FakeServices services;
        QtPdfPrinting printer(services, m_dir.filePath(QStringLiteral("printed.pdf")));
        const QString folder = m_dir.filePath(QStringLiteral("missing/folder"));
        services.pdfAnswers = { folder + QStringLiteral("/r.pdf") };
        FrmStampa screen(session, services.screens(), services);
        screen.findChild<QAction *>(QStringLiteral("mnuSalvaPdf"))->trigger();
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].text,
            QStringLiteral(
                "Non riesco a salvare il foglio nella cartella\r%1\rScegli un'altra cartella.")
                .arg(folder));
        QVERIFY(!QFileInfo::exists(folder));
        QCOMPARE(session.OpCount, 10);
        QCOMPARE(session.ExerciseTimeText[1], QStringLiteral(" 53"));
    }

private:
    QString m_pdftotext;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
