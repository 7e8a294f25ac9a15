// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "app/ScreenWiring.h"
#include "core/SessionRecord.h"
#include "scale/FrmValutazione.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTest>

// The evaluation scale: its fixed texts, one screen however often it is asked for, and closing
// on a click on its bare background only.
class TestScale : public QObject
{
    Q_OBJECT

private:
    static int openScales()
    {
        int count = 0;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<FrmValutazione *>(widget) && widget->isVisible())
                ++count;
        }
        return count;
    }

private slots:
    // The texts, blanks included, and the panel each one sits in.
    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label9") << "Label9"
                                << "Frame1"
                                << "SCALA DI VALUTAZIONE";
        QTest::newRow("Label1") << "Label1"
                                << "Frame1"
                                << "10/10 ottimo";
        QTest::newRow("Label7") << "Label7"
                                << "Frame1"
                                << " 9/10 ottimo";
        QTest::newRow("Label6") << "Label6"
                                << "Frame1"
                                << " 8/10 distinto";
        QTest::newRow("Label5") << "Label5"
                                << "Frame1"
                                << " 7/10 buono";
        QTest::newRow("Label3") << "Label3"
                                << "Frame1"
                                << " 6/10 sufficiente";
        QTest::newRow("Label2") << "Label2"
                                << "Frame1"
                                << " 5/10 sufficiente (!)";
        QTest::newRow("Label8") << "Label8"
                                << "Frame2"
                                << "ATTESTATO DI VALUTAZIONE";
        QTest::newRow("Label4")
            << "Label4"
            << "Frame2"
            << "Puoi stampare l'attestato  dopo aver eseguito per intero almeno un esercizio";
        QTest::newRow("Label10") << "Label10"
                                 << "client"
                                 << "L'attesto di valutazione va ritagliato e incollato sul "
                                    "quaderno accanto alle operazioni eseguite";
    }
    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, panel);
        QFETCH(QString, text);
        FrmValutazione screen;
        auto *label = screen.findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->parentWidget()->objectName(), panel);
        QCOMPARE(screen.windowTitle(), QStringLiteral("SCALA  DI  VALUTAZIONE"));
    }

    // Nothing on the screen takes the keyboard focus.
    void nothingTakesFocus()
    {
        FrmValutazione screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        for (QWidget *child : screen.findChildren<QWidget *>())
            QVERIFY2(child->focusPolicy() == Qt::NoFocus, qPrintable(child->objectName()));
    }

    // Asking for the scale again brings the same screen to the front.
    void opensOnce()
    {
        SessionRecord session;
        FakeServices services;
        registerScreens(services.registry, session, services);
        Screen *start = services.registry.show(ScreenId::Start);
        auto *menu = start->findChild<QAction *>(QStringLiteral("mnuValutazione"));
        menu->trigger();
        Screen *scale = services.registry.existing(ScreenId::Scale);
        QVERIFY(scale);
        menu->trigger();
        menu->trigger();
        QCOMPARE(services.registry.existing(ScreenId::Scale), scale);
        QCOMPARE(openScales(), 1);
        QVERIFY(start->isVisible());
    }

    // A click on a panel or on a text leaves the screen open; one on the bare background
    // between or below the panels closes it.
    void closesOnBareBackgroundOnly_data()
    {
        QTest::addColumn<QString>("target"); // where the click lands
        QTest::addColumn<QPoint>("at"); // in pixels, relative to the target
        QTest::addColumn<bool>("closes");
        QTest::newRow("left panel") << "Frame1" << QPoint(5, 200) << false;
        QTest::newRow("right panel") << "Frame2" << QPoint(100, 5) << false;
        QTest::newRow("a mark") << "Label2" << QPoint(10, 10) << false;
        QTest::newRow("the band below") << "Label10" << QPoint(20, 20) << false;
        QTest::newRow("between the panels") << "client" << QPoint(241, 100) << true;
        QTest::newRow("below the panels") << "client" << QPoint(200, 236) << true;
        QTest::newRow("double click in a corner") << "client" << QPoint(475, 305) << true;
    }
    void closesOnBareBackgroundOnly()
    {
        QFETCH(QString, target);
        QFETCH(QPoint, at);
        QFETCH(bool, closes);
        SessionRecord session;
        FakeServices services;
        registerScreens(services.registry, session, services);
        QPointer<Screen> scale = services.registry.show(ScreenId::Scale);
        auto *widget = target == QLatin1String("client") ? scale->client()
                                                         : scale->findChild<QWidget *>(target);
        QVERIFY(widget);
        if (QTest::currentDataTag() == QByteArray("double click in a corner"))
            QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QCOMPARE(services.registry.existing(ScreenId::Scale) == nullptr, closes);
        flushDeletedScreens();
        QCOMPARE(scale.isNull(), closes);
    }

    // The close box closes it too, without a question.
    void closeBoxCloses()
    {
        SessionRecord session;
        FakeServices services;
        registerScreens(services.registry, session, services);
        services.registry.show(ScreenId::Scale);
        QVERIFY(services.registry.existing(ScreenId::Scale)->close());
        QVERIFY(!services.registry.existing(ScreenId::Scale));
        QVERIFY(services.messages.isEmpty());
        flushDeletedScreens();
    }
};

QTEST_MAIN(TestScale)
#include "tst_scale.moc"
