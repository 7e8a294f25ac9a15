// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/PrinterFontList.h"
#include "report/ReportFont.h"

#include <QTest>

class TestReportFont : public QObject
{
    Q_OBJECT

private slots:
    // The first Courier name in the printer's order wins; only the exact names count.
    void courierSearch_data()
    {
        QTest::addColumn<QStringList>("fonts");
        QTest::addColumn<QString>("found");
        QTest::newRow("Courier New only")
            << QStringList { "Arial", "Courier New", "Times New Roman" } << "Courier New";
        QTest::newRow("Courier first") << QStringList { "Courier", "Courier New" } << "Courier";
        QTest::newRow("Courier New first")
            << QStringList { "Symbol", "Courier New", "Courier" } << "Courier New";
        QTest::newRow("case differs")
            << QStringList { "courier new", "COURIER", "Courier new" } << "";
        QTest::newRow("similar names")
            << QStringList { "Courier 10 Pitch", "Courier New Bold", " Courier" } << "";
        QTest::newRow("empty list") << QStringList() << "";
    }
    void courierSearch()
    {
        QFETCH(QStringList, fonts);
        QFETCH(QString, found);
        QCOMPARE(ReportFont::findCourier(fonts), found);
    }

    // Courier New cells are 9 pt bold, Courier cells 10 pt regular, unfilled ones 9.75 pt.
    void cellFonts_data()
    {
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Courier New") << "Courier New"
                                     << "Courier New" << 9.0 << true;
        QTest::newRow("Courier") << "Courier"
                                 << "Courier" << 10.0 << false;
        QTest::newRow("design") << ""
                                << "Courier" << 9.75 << false;
    }
    void cellFonts()
    {
        QFETCH(QString, found);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        const ReportFont::CellFont font = ReportFont::cellFont(found);
        QCOMPARE(font.family, family);
        QCOMPARE(font.points, points);
        QCOMPARE(font.bold, bold);
    }

    // Where a printer has no list of its own, the one built from the installed families
    // offers a Courier name only when it maps to a face with Courier's metrics.
    void builtFontListFeedsTheSearch_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("courierFace");
        QTest::addColumn<QString>("courierNewFace");
        QTest::addColumn<QString>("found");
        const QStringList urw { "Nimbus Sans [urw]", "Nimbus Mono PS [urw]", "Nimbus Mono PS",
            "Nimbus Sans", "DejaVu Sans Mono" };
        QTest::newRow("both compatible") << urw << "Nimbus Mono PS"
                                         << "Liberation Mono"
                                         << "Courier New";
        QTest::newRow("only Courier compatible") << urw << "Nimbus Mono PS"
                                                 << "DejaVu Sans Mono"
                                                 << "Courier";
        QTest::newRow("face named with its foundry") << urw << "Nimbus Mono PS [urw]"
                                                     << "DejaVu Sans Mono"
                                                     << "Courier";
        QTest::newRow("only a fixed-pitch face") << urw << "DejaVu Sans Mono"
                                                 << "DejaVu Sans Mono"
                                                 << "";
        QTest::newRow("an installed Courier")
            << QStringList { "Courier [Adobe]", "Courier" } << "Courier"
            << "DejaVu Sans"
            << "Courier";
    }
    void builtFontListFeedsTheSearch()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, courierFace);
        QFETCH(QString, courierNewFace);
        QFETCH(QString, found);
        QStringList list = printerFontList(installed, [&](const QString &name) {
            if (name == QStringLiteral("Courier"))
                return courierFace;
            return name == QStringLiteral("Courier New") ? courierNewFace : name;
        });
        QCOMPARE(list.removeDuplicates(), 0);
        for (const QString &name : list)
            QVERIFY2(!name.contains(QLatin1Char('[')), qPrintable(name));
        QCOMPARE(ReportFont::findCourier(list), found);
    }
};

QTEST_GUILESS_MAIN(TestReportFont)
#include "tst_reportfont.moc"
