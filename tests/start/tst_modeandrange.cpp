// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "app/ScreenWiring.h"
#include "core/SessionRecord.h"
#include "start/FrmInizio.h"
#include "frame/Colour.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

// The colour a control shows as its background.
QColor shownBackground(const QWidget *control)
{
    if (qobject_cast<const QPushButton *>(control))
        return control->palette().color(QPalette::Button);
    if (qobject_cast<const QLineEdit *>(control))
        return control->palette().color(QPalette::Base);
    return control->palette().color(QPalette::Window);
}

const char *const ModeColouredControls[] = { "frmElaborazione", "frmValutazione", "CmdFine",
    "cmdSfondo", "CmdVerifica", "CmdOperazione", "CmdEsercizio", "CmdStampa" };

} // namespace

// The start screen with the program's real screens behind it: the range buttons, the mode
// list, the exercise screen they open and colour, the menus and the exits.
class TestModeAndRange : public QObject
{
    Q_OBJECT

private:
    struct Program
    {
        SessionRecord session;
        FakeServices services;
        FrmInizio *start = nullptr;

        Program()
        {
            registerScreens(services.registry, session, services);
            start = services.registry.get<FrmInizio>(ScreenId::Start);
            start->show();
        }
        ~Program() { flushDeletedScreens(); }

        template <class T = QWidget> T *control(const char *name) const
        {
            return start->findChild<T *>(QString::fromLatin1(name));
        }
        void acceptName(const QString &name = QStringLiteral("Gianni"))
        {
            QTest::keyClicks(control<QLineEdit>("txtNome"), name);
            control<QPushButton>("cmdAvanti")->click();
        }
        Screen *exercise() const { return services.registry.existing(ScreenId::Exercise); }
        template <class T = QWidget> T *onExercise(const char *name) const
        {
            Screen *screen = exercise();
            return screen ? screen->findChild<T *>(QString::fromLatin1(name)) : nullptr;
        }
        QAction *menuAction(const char *name) const
        {
            return start->findChild<QAction *>(QString::fromLatin1(name));
        }
    };

private slots:
    // The list offers the three modes in order and always has one selected.
    void modeListStartsAtFirstMode()
    {
        Program p;
        auto *modes = p.control<QComboBox>("Combo1");
        QVERIFY(!modes->isEditable());
        QCOMPARE(modes->count(), 3);
        QCOMPARE(modes->itemText(0), QStringLiteral("Calcolo del resto/differenza"));
        QCOMPARE(modes->itemText(1), QStringLiteral("Calcolo del minuendo o sottraendo"));
        QCOMPARE(modes->itemText(2),
            QStringLiteral("Calcolo del minuendo, sottraendo, resto/differ. secondo causalità"));
        QCOMPARE(modes->currentIndex(), 0);
        QCOMPARE(p.start->windowTitle(), QStringLiteral("VOVORUDOROZ.1"));
        QCOMPARE(p.control<QLabel>("Label5")->text(), QStringLiteral("VOVORUDOROZ.1"));
    }

    // Each range button stores its row and opens the exercise screen, which announces the
    // stored range, not the caption's.
    void rangeButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("level");
        QTest::newRow("1") << "Command1"
                           << "NUMERO MAX DA 1 A 10" << 1 << 10 << 1;
        QTest::newRow("2") << "Command2"
                           << "NUMERO MAX DA 1 A  20" << 1 << 20 << 2;
        QTest::newRow("3 announces 20") << "Command3"
                                        << "NUMERO MAX DA 10 A 30" << 10 << 20 << 3;
        QTest::newRow("4") << "Command4"
                           << "NUMERO MAX DA 10 A 40" << 10 << 40 << 4;
        QTest::newRow("5 announces 98") << "Command5"
                                        << "NUMERO MAX DA 40 A  99" << 40 << 98 << 5;
        QTest::newRow("6 announces 98") << "Command6"
                                        << "NUMERO MAX DA 10 A 99" << 10 << 98 << 6;
    }
    void rangeButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, level);
        Program p;
        p.acceptName();
        auto *range = p.control<QPushButton>(button.toLatin1().constData());
        QCOMPARE(range->text(), caption);
        range->click();

        QCOMPARE(p.session.RangeLow, low);
        QCOMPARE(p.session.RangeHigh, high);
        QCOMPARE(p.session.RangeLevel, level);
        QVERIFY(p.exercise());
        QVERIFY(p.exercise()->isVisible());
        QVERIFY(p.start->isVisible());
        QCOMPARE(p.onExercise<QLabel>("Label2")->text(),
            QStringLiteral(" Operazione con numero massimo da %1 a %2").arg(low).arg(high));
        QCOMPARE(p.session.OpCount, 1);
    }

    // Each mode stores its asked-term bounds, gives the exercise screen its colours and its
    // caption, and keeps the caption in the session record for the certificate.
    void modes_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("askedLow");
        QTest::addColumn<int>("askedHigh");
        QTest::addColumn<QColor>("screenColour");
        QTest::addColumn<QColor>("buttonColour");
        QTest::addColumn<QString>("modeColour");
        QTest::addColumn<QString>("caption");
        QTest::newRow("difference")
            << 0 << 1 << 1 << QColor(250, 250, 200) << QColor(240, 220, 150) << "9886960"
            << " Calcola il resto / differenza";
        QTest::newRow("minuend or subtrahend")
            << 1 << 2 << 3 << QColor(200, 255, 255) << QColor(200, 200, 255) << "16763080"
            << " Calcola il minuendo o sottraendo";
        QTest::newRow("any term") << 2 << 1 << 3 << QColor(255, 215, 220) << QColor(240, 180, 220)
                                  << "14464240"
                                  << " Calcola il minuen., sottr., resto/differ. secondo richiesta";
    }
    void modes()
    {
        QFETCH(int, position);
        QFETCH(int, askedLow);
        QFETCH(int, askedHigh);
        QFETCH(QColor, screenColour);
        QFETCH(QColor, buttonColour);
        QFETCH(QString, modeColour);
        QFETCH(QString, caption);
        Program p;
        p.acceptName();
        p.control<QComboBox>("Combo1")->setCurrentIndex(position);
        p.control<QPushButton>("Command4")->click();

        QCOMPARE(p.session.AskedTermLow, askedLow);
        QCOMPARE(p.session.AskedTermHigh, askedHigh);
        QCOMPARE(p.session.ModeColour, modeColour);
        QCOMPARE(p.session.ModeCaption, caption);
        QVERIFY(p.session.AskedTerm >= askedLow && p.session.AskedTerm <= askedHigh);

        Screen *exercise = p.exercise();
        QVERIFY(exercise);
        QCOMPARE(shownBackground(exercise), screenColour);
        QCOMPARE(shownBackground(p.onExercise("frmNumero")), screenColour);
        auto *answer = p.onExercise<QLineEdit>("TxtRisultato");
        QCOMPARE(shownBackground(answer), screenColour);
        QCOMPARE(answer->palette().color(QPalette::Text), QColor(128, 64, 0));
        for (const char *name : ModeColouredControls) {
            QWidget *control = p.onExercise(name);
            QVERIFY2(control, name);
            QCOMPARE(shownBackground(control), buttonColour);
            QCOMPARE(Colour::value(shownBackground(control)), modeColour.toInt());
        }
        QCOMPARE(p.onExercise<QLabel>("Label1")->text(), caption);
    }

    // A range pressed without touching the list runs the first mode.
    void untouchedListGivesFirstMode()
    {
        Program p;
        p.acceptName();
        p.control<QPushButton>("Command2")->click();
        QCOMPARE(p.session.AskedTermLow, 1);
        QCOMPARE(p.session.AskedTermHigh, 1);
        QCOMPARE(p.session.AskedTerm, 1);
        QCOMPARE(p.session.ModeColour, QStringLiteral("9886960"));
        QCOMPARE(p.onExercise<QLabel>("Label1")->text(),
            QStringLiteral(" Calcola il resto / differenza"));
    }

    // While the exercise screen is open a range press only recolours and re-captions it: the
    // operation on show, the range banner and the session in progress stay.
    void secondPressWhileOpen()
    {
        Program p;
        p.acceptName();
        p.control<QPushButton>("Command1")->click();
        QPointer<Screen> first = p.exercise();
        QVERIFY(first);
        const QString banner = p.onExercise<QLabel>("Label2")->text();
        const QString minuend = p.onExercise<QLabel>("LblNumero1")->text();
        const QString right = p.onExercise<QLabel>("LblNumero2")->text();
        const QString record = p.session.OpRecords[1];
        const int difference = p.session.Difference;
        const int subtrahend = p.session.Subtrahend;

        p.control<QComboBox>("Combo1")->setCurrentIndex(1);
        p.control<QPushButton>("Command6")->click();

        QCOMPARE(p.exercise(), first.data());
        QCOMPARE(p.session.RangeLevel, 6);
        QCOMPARE(p.session.RangeHigh, 98);
        QCOMPARE(p.session.AskedTermLow, 2);
        QCOMPARE(shownBackground(first), QColor(200, 255, 255));
        QCOMPARE(shownBackground(p.onExercise("CmdFine")), QColor(200, 200, 255));
        QCOMPARE(p.onExercise<QLabel>("Label1")->text(),
            QStringLiteral(" Calcola il minuendo o sottraendo"));
        QCOMPARE(p.onExercise<QLabel>("Label2")->text(), banner);
        QCOMPARE(p.onExercise<QLabel>("LblNumero1")->text(), minuend);
        QCOMPARE(p.onExercise<QLabel>("LblNumero2")->text(), right);
        QCOMPARE(p.session.OpRecords[1], record);
        QCOMPARE(p.session.Difference, difference);
        QCOMPARE(p.session.Subtrahend, subtrahend);
        QCOMPARE(p.session.OpCount, 1);

        // The session goes on: the operation on show is still answered and counted.
        QTest::keyClicks(p.onExercise<QLineEdit>("TxtRisultato"), p.session.ExpectedAnswerText);
        p.onExercise<QPushButton>("CmdVerifica")->click();
        QCOMPARE(p.session.RightCount, 1);
        QCOMPARE(p.session.OpCount, 1);

        // Once closed, the next press builds the screen afresh for the new range.
        first->close();
        flushDeletedScreens();
        QVERIFY(!first);
        p.control<QPushButton>("Command3")->click();
        QVERIFY(p.exercise());
        QCOMPARE(p.onExercise<QLabel>("Label2")->text(),
            QStringLiteral(" Operazione con numero massimo da 10 a 20"));
        QCOMPARE(p.session.OpCount, 1);
        QCOMPARE(p.session.RightCount, 0);
    }

    // "?" starts the information program by its full path in the program's folder; when it
    // cannot start, "File mancante" with an OK button and the program's title.
    void informationProgram_data()
    {
        QTest::addColumn<bool>("starts");
        QTest::newRow("starts") << true;
        QTest::newRow("missing") << false;
    }
    void informationProgram()
    {
        QFETCH(bool, starts);
        Program p;
        p.services.startSucceeds = starts;
        p.menuAction("mnuInfo")->trigger();
#ifdef Q_OS_WIN
        const QString expected = QStringLiteral("/opt/vovorudoroz/www.exe");
#else
        const QString expected = QStringLiteral("/opt/vovorudoroz/www");
#endif
        QCOMPARE(p.services.started, QStringList { expected });
        if (starts) {
            QVERIFY(p.services.messages.isEmpty());
            return;
        }
        QCOMPARE(p.services.messages.size(), 1);
        QCOMPARE(p.services.messages.first().text, QStringLiteral("File mancante"));
        QCOMPARE(p.services.messages.first().style, MsgBox::OkOnly);
        QCOMPARE(p.services.messages.first().title, QStringLiteral("VOVORUDOROZ.1"));
        QVERIFY(p.start->isVisible());
    }

    // The menu bar: "File" with "Esci", and three commands without items, the teacher's
    // register last.
    void menus()
    {
        Program p;
        auto *file = p.start->findChild<QMenu *>(QStringLiteral("mnuFile"));
        QVERIFY(file);
        QCOMPARE(file->title(), QStringLiteral("File"));
        QCOMPARE(file->actions().size(), 1);
        QCOMPARE(file->actions().first()->text(), QStringLiteral("Esci"));
        const QList<QAction *> bar = p.start->menuBar()->actions();
        QCOMPARE(bar.size(), 4);
        QCOMPARE(bar.at(1)->text(), QStringLiteral("?"));
        QVERIFY(!bar.at(1)->menu());
        QCOMPARE(bar.at(2)->text(), QStringLiteral("Scala di valutazione"));
        QVERIFY(!bar.at(2)->menu());
        QCOMPARE(bar.at(3)->text(), QStringLiteral("Registro"));
        QVERIFY(!bar.at(3)->menu());
    }

    // Every exit closes the background and the start screen without asking, and leaves the
    // other screens open.
    void exits_data()
    {
        QTest::addColumn<QString>("exit");
        QTest::newRow("E S C I of the name panel") << "cmdFine";
        QTest::newRow("E S C I of the range panel") << "Command9";
        QTest::newRow("File, Esci") << "mnuEsci";
        QTest::newRow("window closed") << "close";
    }
    void exits()
    {
        QFETCH(QString, exit);
        SessionRecord session;
        FakeServices services;
        registerScreens(services.registry, session, services);
        services.registry.get(ScreenId::Background);
        auto *start = services.registry.existing<FrmInizio>(ScreenId::Start);
        QVERIFY(start);
        start->findChild<QAction *>(QStringLiteral("mnuValutazione"))->trigger();
        if (exit != QLatin1String("cmdFine")) {
            QTest::keyClicks(
                start->findChild<QLineEdit *>(QStringLiteral("txtNome")), QStringLiteral("Ada"));
            start->findChild<QPushButton *>(QStringLiteral("cmdAvanti"))->click();
            start->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        }

        if (exit == QLatin1String("mnuEsci"))
            start->findChild<QAction *>(exit)->trigger();
        else if (exit == QLatin1String("close"))
            start->close();
        else
            start->findChild<QPushButton *>(exit)->click();

        QVERIFY(!services.registry.existing(ScreenId::Start));
        QVERIFY(!services.registry.existing(ScreenId::Background));
        QVERIFY(services.messages.isEmpty());
        QVERIFY(services.registry.existing(ScreenId::Scale));
        QVERIFY(services.registry.existing(ScreenId::Scale)->isVisible());
        if (exit != QLatin1String("cmdFine")) {
            QVERIFY(services.registry.existing(ScreenId::Exercise));
            QVERIFY(services.registry.existing(ScreenId::Exercise)->isVisible());
        }
        QCOMPARE(services.endRequests, 0);
        flushDeletedScreens();
    }
};

QTEST_MAIN(TestModeAndRange)
#include "tst_modeandrange.moc"
