// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "core/PrinterFontList.h"
#include "core/PupilRegister.h"
#include "core/RandomSource.h"
#include "core/SessionFlow.h"
#include "core/ShortDate.h"
#include "desktop/QtServices.h"
#include "frame/Colour.h"
#include "frame/ScreenRegistry.h"
#include "frame/Twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

namespace {
// Runs `steps` on the message box once it is open, then answers with the button whose text
// contains `answer` (if any is left to press).
void onOpenMessageBox(std::function<void(QMessageBox &)> steps)
{
    QTimer::singleShot(0, [steps] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        steps(*box);
    });
}
} // namespace

class TestServices : public QObject
{
    Q_OBJECT

private slots:
    // A screen exists at most once; after closing, the next access builds a new one.
    void registryKeepsOneScreen()
    {
        ScreenRegistry registry;
        int built = 0;
        registry.setFactory(ScreenId::Scale, [&] {
            ++built;
            return new Screen;
        });
        QVERIFY(!registry.existing(ScreenId::Scale));
        Screen *first = registry.show(ScreenId::Scale);
        QCOMPARE(registry.show(ScreenId::Scale), first);
        QCOMPARE(built, 1);
        QVERIFY(first->isVisible());

        registry.close(ScreenId::Scale);
        QVERIFY(!registry.existing(ScreenId::Scale));
        registry.close(ScreenId::Scale); // closing a closed screen does nothing
        flushDeletedScreens();
        QVERIFY(registry.get(ScreenId::Scale) != nullptr);
        QCOMPARE(built, 2);
        QVERIFY(!registry.get(ScreenId::Report)); // nothing known, nothing built
    }

    // A click on the bare client area reaches the screen; a click on a control does not.
    void backgroundClickOnlyOnBareArea()
    {
        struct ClickScreen : Screen
        {
            int clicks = 0;
            void onBackgroundClick() override { ++clicks; }
        } screen;
        screen.setClientSize(3000, 3000);
        auto *child = new QWidget(screen.client());
        child->setGeometry(0, 0, 50, 50);
        screen.show();
        QTest::mouseClick(child, Qt::LeftButton);
        QCOMPARE(screen.clicks, 0);
        QTest::mouseClick(screen.client(), Qt::LeftButton, {}, QPoint(150, 150));
        QCOMPARE(screen.clicks, 1);
    }

    void twips()
    {
        QCOMPARE(Twips::toPixels(1440), 96);
        QCOMPARE(Twips::toPixels(15), 1);
        QCOMPARE(Twips::toPixels(-30), -2);
        QCOMPARE(Twips::toPixels(120, 150, 3015, 1845), QRect(8, 10, 201, 123));
        QCOMPARE(Twips::toDevice(1000, 1200), 1000.0 * 1200 / 1440);
    }

    // Colour values are red + 256 x green + 65536 x blue, both ways.
    void colourValues()
    {
        QCOMPARE(Colour::value(Colour::rgb(240, 220, 150)), 9886960);
        QCOMPARE(Colour::value(Colour::rgb(200, 200, 255)), 16763080);
        QCOMPARE(Colour::fromValue(14464240), Colour::rgb(240, 180, 220));
        QCOMPARE(Colour::fromValue(0x4080), Colour::rgb(128, 64, 0));
    }

    // Draws stay in [0, 1); seeding twice with one reading does not replay the sequence.
    void randomSeedingMixes()
    {
        MixingRandomSource random(1);
        random.seed(36000.5);
        const double first = random.next();
        random.seed(36000.5);
        QVERIFY(random.next() != first);
        for (int i = 0; i < 100000; ++i) {
            const double r = random.next();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }

    void shortDate()
    {
        const QDate day(2026, 12, 8);
        QCOMPARE(shortDateText(day, QLocale::c()), QStringLiteral("08/12/2026"));
        QCOMPARE(shortDateText(day, QLocale(QLocale::Italian, QLocale::Italy)),
            QStringLiteral("08/12/2026"));
        QVERIFY(shortDateText(day, QLocale(QLocale::English, QLocale::UnitedStates))
                    .contains(QStringLiteral("2026")));
    }

    // Foundry suffixes and duplicates go; the Courier names come only with a compatible face.
    // The real message box: a Yes/No question is closed only by its buttons, an OK-only
    // message by Esc and by its close box too.
    void messageBoxWaysOut_data()
    {
        QTest::addColumn<MessageStyle>("style");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<bool>("closeRequest");
        QTest::addColumn<int>("pressed"); // 0: press nothing more
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("question: Esc and close, then Yes")
            << MsgBox::YesNoInformation << true << true << int(QMessageBox::Yes) << MsgAnswer::Yes;
        QTest::newRow("question: Esc and close, then No")
            << MsgBox::YesNoInformation << true << true << int(QMessageBox::No) << MsgAnswer::No;
        QTest::newRow("message: Esc closes")
            << MsgBox::OkOnly << true << false << 0 << MsgAnswer::Ok;
        QTest::newRow("message: close box closes")
            << MsgBox::OkOnly << false << true << 0 << MsgAnswer::Ok;
    }
    void messageBoxWaysOut()
    {
        QFETCH(MessageStyle, style);
        QFETCH(bool, escape);
        QFETCH(bool, closeRequest);
        QFETCH(int, pressed);
        QFETCH(MsgAnswer, answer);
        QtServices services;
        bool stayedOpen = true;
        onOpenMessageBox([&](QMessageBox &box) {
            if (escape)
                QTest::keyClick(&box, Qt::Key_Escape);
            if (closeRequest && box.isVisible())
                box.close();
            stayedOpen = box.isVisible();
            if (pressed && box.isVisible())
                box.button(QMessageBox::StandardButton(pressed))->click();
        });
        QCOMPARE(services.messageBox(QStringLiteral("Vuoi?"), style, QString()), answer);
        QCOMPARE(stayedOpen, pressed != 0);
    }

    // After the fortieth answer a screen reader meets the question itself: an alert titled
    // "FINE ESERCITAZIONE" whose text it reads after the last verdict; the text on show is the
    // question alone.
    void endOfSessionQuestionIsReadAsAnAlert()
    {
        QtServices services;
        QString title;
        QStringList texts;
        QStringList shown;
        QAccessible::Role role = QAccessible::NoRole;
        onOpenMessageBox([&](QMessageBox &box) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&box);
            role = iface->role();
            title = iface->text(QAccessible::Name);
            for (int i = 0; i < iface->childCount(); ++i) {
                if (iface->child(i)->role() == QAccessible::StaticText)
                    texts.append(iface->child(i)->text(QAccessible::Name));
            }
            for (const QLabel *label : box.findChildren<QLabel *>())
                shown.append(label->text());
            box.button(QMessageBox::Yes)->click();
        });
        const QString verdict =
            QStringLiteral("Esatto. 3 secondi. Esercizio 4 finito: 9 risposte esatte su 10.");
        QCOMPARE(services.messageBox(Exercise::endOfSessionQuestion(), MsgBox::YesNoInformation,
                     Exercise::endOfSessionTitle(), verdict),
            MsgAnswer::Yes);
        QCOMPARE(role, QAccessible::AlertMessage);
        QCOMPARE(title, QStringLiteral("FINE ESERCITAZIONE"));
        const QString text = texts.join(QLatin1Char('\n'));
        QVERIFY2(text.startsWith(verdict + QStringLiteral(" Hai eseguito 4 esercizi.")),
            qPrintable(text));
        QVERIFY(!shown.join(QString()).contains(QStringLiteral("Esatto")));
        QVERIFY2(text.contains(QStringLiteral("Hai eseguito 4 esercizi."))
                && text.contains(QStringLiteral("Vuoi visualizzare le operazioni eseguite?")),
            qPrintable(text));
    }

    void printerFontList()
    {
        const QStringList installed { "DejaVu Sans", "Nimbus Mono PS [urw]", "Nimbus Mono PS",
            "DejaVu Sans Mono", "Liberation Mono [1ASC]" };
        const auto compatible = [](const QString &name) {
            return name == QStringLiteral("Courier") ? QStringLiteral("Nimbus Mono PS")
                                                     : QStringLiteral("Liberation Mono");
        };
        QCOMPARE(::printerFontList(installed, compatible),
            QStringList({ "DejaVu Sans", "Nimbus Mono PS", "DejaVu Sans Mono", "Liberation Mono",
                "Courier New", "Courier" }));

        const auto anyMono = [](const QString &) { return QStringLiteral("DejaVu Sans Mono"); };
        QCOMPARE(::printerFontList({ "DejaVu Sans Mono" }, anyMono),
            QStringList({ "DejaVu Sans Mono" }));
    }

    // A program whose register module is missing keeps nothing and says so: every judged answer
    // is counted as not kept, the reading screens find no register, and a teacher's login is
    // told that no server answers.
    void missingStoreKeepsNothingAndSaysSo()
    {
        int loads = 0;
        QtServices services([&] {
            ++loads;
            return std::unique_ptr<RegisterStore>();
        });
        QCOMPARE(services.registerStatus().state, Register::State::NotOpened);
        PupilRegister &pupils = services.pupilRegister();
        pupils.sessionStarted({ QStringLiteral("Ugo"), 1, 1, 0, 10, QDateTime::currentDateTime() });
        for (int n = 1; n <= 3; ++n) {
            Register::Answer answer;
            answer.operationNumber = n;
            pupils.answerJudged(answer);
        }
        const Register::Status status = services.registerStatus();
        QCOMPARE(status.state, Register::State::Unavailable);
        QCOMPARE(status.answersNotKept, 3);
        QVERIFY(!services.openReader());

        std::unique_ptr<Register::ReaderThread> login =
            services.openTeacherReader(QStringLiteral("maestra"));
        QVERIFY(login);
        std::optional<PasswordGate::Check> check;
        login->run([](Register::Opened &opened) { return opened.login; },
            [&](PasswordGate::Check answer, bool) { check = answer; });
        QTRY_VERIFY(check.has_value());
        QCOMPARE(*check, PasswordGate::Check::ServerAway);
        QCOMPARE(loads, 1); // tried once, not at every call
    }
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
