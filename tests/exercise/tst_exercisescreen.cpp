// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "core/SessionRecord.h"
#include "drill/FaceMark.h"
#include "exercise/FrmOperativoMeno.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/Twips.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

enum class State { WaitingFirst, WaitingLater, AnswerTyped, Judged, ExerciseComplete };

// The keypad key that types a digit.
QString keyFor(QChar digit)
{
    static const char *names[] = { "Command13", "Command2", "Command3", "Command4", "Command5",
        "Command6", "Command7", "Command8", "Command9", "Command10" };
    return QString::fromLatin1(names[digit.digitValue()]);
}

// A stand-in for the report and certificate screens, which this screen only opens.
Screen *stubScreen()
{
    auto *screen = new Screen;
    screen->setClientSize(3000, 2000);
    auto *button = new QPushButton(QStringLiteral("STAMPA LE OPERAZIONI"), screen->client());
    button->setObjectName(QStringLiteral("cmdStampaS"));
    return screen;
}

bool sameColour(const QColor &a, const QColor &b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestExerciseScreen : public QObject
{
    Q_OBJECT

    SessionRecord *session = nullptr;
    FakeServices *services = nullptr;
    FrmOperativoMeno *screen = nullptr;
    int reportsBuilt = 0;

    template <class T = QWidget> T *find(const char *name) const
    {
        T *widget = screen->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qWarning("no control %s", name);
        return widget;
    }
    QLineEdit *box() const { return find<QLineEdit>("TxtRisultato"); }
    QPushButton *button(const char *name) const { return find<QPushButton>(name); }
    QLabel *label(const char *name) const { return find<QLabel>(name); }
    QAction *menu(const char *name) const { return find<QAction>(name); }
    QWidget *image(int number) const
    {
        return screen->findChild<QWidget *>(QStringLiteral("Image%1").arg(number));
    }
    QList<int> shownMarks() const
    {
        QList<int> shown;
        for (int number = 1; number <= 20; ++number)
            if (image(number)->isVisible())
                shown.append(number);
        return shown;
    }

    void openScreen()
    {
        screen = qobject_cast<FrmOperativoMeno *>(services->registry.show(ScreenId::Exercise));
        QVERIFY(screen == services->registry.existing(ScreenId::Exercise));
        screen = qobject_cast<FrmOperativoMeno *>(services->registry.existing(ScreenId::Exercise));
        QVERIFY(screen);
        QVERIFY(QTest::qWaitForWindowExposed(screen));
    }

    bool judged() const { return session->OpRecords[session->OpCount].size() > 12; }

    // Keyboard: the digits, then Enter.
    void typeAndEnter(const QString &answer)
    {
        QTest::keyClicks(box(), answer);
        QTest::keyClick(box(), Qt::Key_Return);
    }

    // Keypad: the digit keys, then "V e r i f i c a ".
    void keyAndVerify(const QString &answer)
    {
        for (const QChar digit : answer)
            QTest::mouseClick(
                find<QPushButton>(keyFor(digit).toLatin1().constData()), Qt::LeftButton);
        QTest::mouseClick(button("CmdVerifica"), Qt::LeftButton);
    }

    QString wrongAnswer() const
    {
        return session->ExpectedAnswerText == QStringLiteral("1") ? QStringLiteral("2")
                                                                  : QStringLiteral("1");
    }

    // Answers the operation on show and moves to the next one, or to the next exercise.
    void answerAndGoOn(bool right, double seconds = 3)
    {
        services->advance(seconds);
        typeAndEnter(right ? session->ExpectedAnswerText : wrongAnswer());
        if (session->OpCount == 40)
            return;
        if (session->OpInExercise == 10)
            QTest::mouseClick(button("CmdEsercizio"), Qt::LeftButton);
        else
            QTest::mouseClick(button("CmdOperazione"), Qt::LeftButton);
    }

    void verifyState(State state)
    {
        const bool first = state == State::WaitingFirst;
        const bool complete = state == State::ExerciseComplete;
        QCOMPARE(button("CmdFine")->isVisible(), first || complete);
        QCOMPARE(button("CmdStampa")->isVisible(), complete);
        QCOMPARE(button("CmdVerifica")->isVisible(), state == State::AnswerTyped);
        QCOMPARE(button("CmdOperazione")->isVisible(), state == State::Judged);
        QCOMPARE(button("CmdEsercizio")->isVisible(), complete);
        QVERIFY(button("cmdSfondo")->isVisible());
        QCOMPARE(find("fraTastierino")->isEnabled(),
            state != State::Judged && state != State::ExerciseComplete);
        const char *prompts[] = { " Digita il risultato", " Digita il risultato",
            "Clicca sul pulsante Verifica", "Clicca sul pulsante Nuova sottrazione",
            "Clicca sul pulsante Nuovo esercizio" };
        QCOMPARE(
            label("LblIstruzione")->text(), QString::fromUtf8(prompts[static_cast<int>(state)]));
        if (state == State::WaitingFirst || state == State::WaitingLater)
            QCOMPARE(screen->focusWidget(), box());
        if (state == State::Judged)
            QCOMPARE(screen->focusWidget(), button("CmdOperazione"));
    }

    // What must hold after every event of a session.
    void verifyInvariants()
    {
        QVERIFY2(session->OpCount >= 1 && session->OpCount <= 40,
            qPrintable(QString::number(session->OpCount)));
        const int judgedNow = judged() ? 0 : 1;
        const int judgedInExercise = session->OpInExercise - judgedNow;
        QVERIFY(session->RightInExercise + session->WrongInExercise <= judgedInExercise);
        QVERIFY(session->RightCount <= session->OpCount - judgedNow);
        static const QRegularExpression complete(QStringLiteral(
            R"(^(?:[ \d][\d?]) - (?:[ \d][\d?]) = (?:[ \d][\d?])(?:   \(\d\)|  \(\d\d\)| \(\d\d\d\))[ *](?:  \d| \d\d| \d{3,}) Tp$)"));
        for (int record = 1; record <= session->OpCount; ++record) {
            const QString &line = session->OpRecords[record];
            if (record < session->OpCount || judged()) {
                QVERIFY2(
                    complete.match(line).hasMatch(), qPrintable(QLatin1Char('\'') + line + '\''));
                QCOMPARE(line.left(12).count(QLatin1Char('?')), 1);
            } else {
                QCOMPARE(line.size(), 12);
            }
        }
        QCOMPARE(session->AnswerText, box()->text());
        QVERIFY(session->AnswerText.size() <= 3);
        QVERIFY(!session->AnswerText.contains(QRegularExpression(QStringLiteral("\\D"))));
        const int actions = button("CmdVerifica")->isVisible()
            + button("CmdOperazione")->isVisible() + button("CmdEsercizio")->isVisible();
        QVERIFY(actions <= 1);
    }

private slots:
    void init()
    {
        session = new SessionRecord;
        session->RangeLow = 1;
        session->RangeHigh = 10;
        session->RangeLevel = 1;
        session->AskedTermLow = 1;
        session->AskedTermHigh = 1;
        services = new FakeServices;
        reportsBuilt = 0;
        services->registry.setFactory(ScreenId::Exercise, [this] {
            return new FrmOperativoMeno(*session,
                { *services, *services, *services, *services, *services, services->screens(),
                    services->random(), services->pupilRegister() });
        });
        services->registry.setFactory(ScreenId::Report, [this] {
            ++reportsBuilt;
            return stubScreen();
        });
        services->registry.setFactory(ScreenId::Certificate, stubScreen);
        openScreen();
    }

    void cleanup()
    {
        delete services; // its registry deletes the screens still open
        flushDeletedScreens();
        delete session;
        screen = nullptr;
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("points");
        QTest::newRow("Label2") << "Label2" << QRect(-30, 0, 11985, 555)
                                << " Operazione con numero massimo da 1 a 10" << 21.75;
        QTest::newRow("Label1") << "Label1" << QRect(-30, 540, 11985, 555) << "" << 20.25;
        QTest::newRow("frmNumero") << "frmNumero" << QRect(90, 1080, 11535, 2265) << "" << 0.0;
        QTest::newRow("LblNumero1") << "LblNumero1" << QRect(100, 150, 3015, 1845) << "*" << 72.0;
        QTest::newRow("LblSegno") << "LblSegno" << QRect(3180, 180, 765, 1815) << "-" << 72.0;
        QTest::newRow("LblNumero2") << "LblNumero2" << QRect(4000, 150, 3015, 1845) << "*" << 72.0;
        QTest::newRow("TxtRisultato")
            << "TxtRisultato" << QRect(8000, 150, 3015, 1875) << "" << 72.0;
        QTest::newRow("LblUguale") << "LblUguale" << QRect(7020, 120, 915, 1815) << "=" << 72.0;
        QTest::newRow("fraTastierino")
            << "fraTastierino" << QRect(8220, 3090, 2805, 2595) << "TASTIERINO" << 9.75;
        QTest::newRow("Command2") << "Command2" << QRect(240, 240, 765, 405) << "1" << 14.25;
        QTest::newRow("Command10") << "Command10" << QRect(1800, 1140, 765, 405) << "9" << 14.25;
        QTest::newRow("Command13") << "Command13" << QRect(240, 1605, 765, 405) << "0" << 14.25;
        QTest::newRow("Command11") << "Command11" << QRect(1020, 1605, 765, 405) << "00" << 14.25;
        QTest::newRow("Command12") << "Command12" << QRect(1800, 1605, 765, 405) << "000" << 14.25;
        QTest::newRow("cmdCancella")
            << "cmdCancella" << QRect(240, 2055, 2325, 435) << "Cancella" << 14.25;
        QTest::newRow("LblEsito") << "LblEsito" << QRect(600, 3870, 6375, 975) << "" << 48.0;
        QTest::newRow("CmdVerifica")
            << "CmdVerifica" << QRect(960, 5715, 6810, 495) << "V e r i f i c a " << 12.0;
        QTest::newRow("CmdOperazione") << "CmdOperazione" << QRect(975, 5715, 6810, 495)
                                       << "N u o v a   s o t t r a z i o n e" << 12.0;
        QTest::newRow("CmdEsercizio")
            << "CmdEsercizio" << QRect(945, 5715, 6810, 495) << "Nuovo esercizio" << 12.0;
        QTest::newRow("cmdSfondo") << "cmdSfondo" << QRect(960, 5715, 6810, 495) << "" << 8.25;
        QTest::newRow("CmdStampa")
            << "CmdStampa" << QRect(7875, 5715, 1965, 525) << "Visualizza  esercizio" << 9.75;
        QTest::newRow("CmdFine") << "CmdFine" << QRect(9900, 5715, 1335, 525) << "Esci" << 9.75;
        QTest::newRow("frmValutazione")
            << "frmValutazione" << QRect(870, 6285, 6900, 1695) << "VALUTAZIONE" << 0.0;
        QTest::newRow("Label4") << "Label4" << QRect(120, 240, 1575, 375) << "Risp. esatte" << 12.0;
        QTest::newRow("Label8") << "Label8" << QRect(120, 600, 1215, 375) << "Esercizio n." << 12.0;
        QTest::newRow("Label6") << "Label6" << QRect(120, 1080, 1455, 375) << "Risp. errate"
                                << 12.0;
        QTest::newRow("LblContatore")
            << "LblContatore" << QRect(1935, 720, 4815, 255)
            << "  1      2       3      4      5      6      7      8      9     10" << 9.75;
        QTest::newRow("Image1") << "Image1" << QRect(1875, 255, 480, 480) << "" << 0.0;
        QTest::newRow("Image10") << "Image10" << QRect(6270, 255, 480, 480) << "" << 0.0;
        QTest::newRow("Image11") << "Image11" << QRect(1875, 990, 480, 480) << "" << 0.0;
        QTest::newRow("Image15") << "Image15" << QRect(3840, 990, 480, 480) << "" << 0.0;
        QTest::newRow("frmElaborazione")
            << "frmElaborazione" << QRect(7815, 6285, 3375, 1695) << "ELABORAZIONE" << 0.0;
        QTest::newRow("Label5") << "Label5" << QRect(240, 360, 3015, 255)
                                << " Eser.    Oper.   Tempo      Tempo " << 8.25;
        QTest::newRow("Label3") << "Label3" << QRect(240, 600, 3015, 255)
                                << "                        parziale    totale" << 8.25;
        QTest::newRow("Line2") << "Line2" << QRect(1560, 360, 15, 840) << "" << 0.0;
        QTest::newRow("LblEsercizio")
            << "LblEsercizio" << QRect(255, 960, 480, 480) << "1" << 14.25;
        QTest::newRow("LblOperazione")
            << "LblOperazione" << QRect(975, 960, 480, 480) << "1" << 14.25;
        QTest::newRow("LblTempoParziale")
            << "LblTempoParziale" << QRect(1695, 960, 480, 480) << "" << 14.25;
        QTest::newRow("LblTempoTotale")
            << "LblTempoTotale" << QRect(2535, 960, 480, 480) << "" << 14.25;
        QTest::newRow("LblIstruzione")
            << "LblIstruzione" << QRect(900, 7965, 10245, 270) << " Digita il risultato" << 11.25;
    }

    // Every control in its place, with its caption and its size of type.
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(double, points);
        QWidget *widget = screen->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(),
            Twips::toPixels(twips.x(), twips.y(), twips.width(), twips.height()));
        if (caption == QLatin1String("*"))
            ; // filled by the operation on show
        else if (auto *l = qobject_cast<QLabel *>(widget))
            QCOMPARE(l->text(), caption);
        else if (auto *b = qobject_cast<QPushButton *>(widget))
            QCOMPARE(b->text(), caption);
        else if (auto *g = qobject_cast<QGroupBox *>(widget))
            QCOMPARE(g->title(), caption);
        if (points > 0)
            QCOMPARE(widget->font().pointSizeF(), points);
    }

    void window()
    {
        QCOMPARE(screen->windowTitle(), QStringLiteral("ESERCIZI SULLE VOVORUDOROZ.1"));
        QCOMPARE(screen->client()->size(), QSize(794, 556));
        QVERIFY(!(screen->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(screen->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(box()->maxLength(), 3);
        QVERIFY(box()->font().bold());
        QCOMPARE(box()->alignment(), Qt::AlignCenter);
        QCOMPARE(box()->palette().color(QPalette::Text), Colour::rgb(128, 64, 0));
        QCOMPARE(label("LblEsito")->palette().color(QPalette::WindowText), Colour::rgb(255, 0, 0));
        QCOMPARE(label("Label2")->palette().color(QPalette::Window), Colour::rgb(250, 200, 110));
        QCOMPARE(
            label("Label1")->palette().color(QPalette::WindowText), Colour::rgb(250, 170, 110));
        QCOMPARE(find("Command5")->palette().color(QPalette::Button), Colour::rgb(255, 255, 128));
        QCOMPARE(
            find("fraTastierino")->palette().color(QPalette::Window), Colour::rgb(255, 255, 192));
        QCOMPARE(find("fraTastierino")->font().bold(), false);
        QCOMPARE(label("LblTempoParziale")->toolTip(),
            QStringLiteral("Secondi impiegati per ogni risposta"));
        QCOMPARE(label("LblTempoTotale")->toolTip(),
            QStringLiteral("Secondi impiegati per ogni esercizio"));
        QCOMPARE(button("CmdVerifica")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(find("Command2")->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!button("cmdSfondo")->isEnabled());
        for (int number = 1; number <= 20; ++number) {
            auto *mark = qobject_cast<FaceMark *>(image(number));
            QVERIFY(mark);
            QCOMPARE(mark->isSmiling(), number <= 10);
            QVERIFY(mark->isHidden());
        }
    }

    // Each heading word of the progress panel is drawn inside its column, clear of the lines,
    // at either scale; the rows read as before.
    void headingsInsideColumns_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("scale 1") << 1.0;
        QTest::newRow("scale 2") << 2.0;
    }
    void headingsInsideColumns()
    {
        QFETCH(qreal, scale);
        for (const char *name : { "Label5", "Label3" }) {
            QLabel *row = label(name);
            QImage drawn(row->size() * scale, QImage::Format_ARGB32);
            drawn.setDevicePixelRatio(scale);
            drawn.fill(Qt::transparent);
            row->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren); // the words alone
            int inked = 0;
            for (int x = 0; x < drawn.width(); ++x) {
                for (int y = 0; y < drawn.height(); ++y)
                    inked += qAlpha(drawn.pixel(x, y)) > 0 ? 1 : 0;
            }
            QVERIFY2(inked > 0, name);
            for (const char *line : { "Line1", "Line2", "Line4" }) {
                const int x = qRound((find(line)->x() - row->x()) * scale);
                for (int dx = 0; dx < qRound(scale); ++dx) {
                    for (int y = 0; y < drawn.height(); ++y)
                        QVERIFY2(qAlpha(drawn.pixel(x + dx, y)) == 0,
                            qPrintable(QStringLiteral("%1 crosses %2").arg(name, line)));
                }
            }
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(label("Label5"))->text(QAccessible::Name),
            QStringLiteral(" Eser.    Oper.   Tempo      Tempo "));
    }

    void menus()
    {
        const QList<QAction *> entries = find<QMenu>("MnuFile")->actions();
        QCOMPARE(find<QMenu>("MnuFile")->title(), QStringLiteral("File"));
        QCOMPARE(entries.size(), 7);
        QCOMPARE(entries[0]->objectName(), QStringLiteral("mnuStampa"));
        QCOMPARE(entries[0]->text(), QStringLiteral("Visualizza operazioni"));
        QCOMPARE(entries[1]->objectName(), QStringLiteral("mnuAttestato"));
        QCOMPARE(entries[1]->text(), QStringLiteral("Visualizza attestato"));
        QCOMPARE(entries[2]->objectName(), QStringLiteral("mnuRipasso"));
        QCOMPARE(entries[2]->text(), QStringLiteral("Ripasso degli errori"));
        QCOMPARE(entries[3]->objectName(), QStringLiteral("mnuProgressi"));
        QCOMPARE(entries[3]->text(), QStringLiteral("I miei progressi"));
        QCOMPARE(entries[4]->objectName(), QStringLiteral("mnuMappa"));
        QCOMPARE(entries[4]->text(), QStringLiteral("La mia mappa"));
        QVERIFY(entries[5]->isSeparator());
        QCOMPARE(entries[5]->objectName(), QStringLiteral("mnuseparatore"));
        QCOMPARE(entries[6]->objectName(), QStringLiteral("MnuEsci"));
        QCOMPARE(entries[6]->text(), QStringLiteral("Esci"));
        QVERIFY(!entries[0]->isEnabled());
        QVERIFY(!entries[1]->isEnabled());
        QVERIFY(!entries[2]->isEnabled());
        QVERIFY(entries[3]->isEnabled());
        QVERIFY(entries[4]->isEnabled());
        QVERIFY(entries[6]->isEnabled());
    }

    // The start screen colours these controls by name; the colour must show.
    void recolouredByName()
    {
        const QColor mode = Colour::rgb(200, 200, 255);
        const char *names[] = { "frmNumero", "TxtRisultato", "frmElaborazione", "frmValutazione",
            "CmdFine", "cmdSfondo", "CmdVerifica", "CmdOperazione", "CmdEsercizio", "CmdStampa" };
        Controls::setBackground(screen, Colour::rgb(200, 255, 255));
        for (const char *name : names)
            Controls::setBackground(find(name), mode);
        QVERIFY(label("Label1"));
        const QImage shot = screen->client()->grab().toImage();
        auto pixelAt = [&](const char *name, QPoint offset) {
            QWidget *widget = find(name);
            return shot.pixelColor(widget->mapTo(screen->client(), offset));
        };
        QVERIFY(sameColour(pixelAt("CmdFine", QPoint(8, 30)), mode));
        // Disabled, it shows the colour a little lighter.
        QVERIFY(sameColour(pixelAt("cmdSfondo", QPoint(20, 16)), mode, 45));
        QVERIFY(sameColour(pixelAt("frmValutazione", QPoint(60, 100)), mode));
        QVERIFY(sameColour(pixelAt("frmElaborazione", QPoint(8, 100)), mode));
        QVERIFY(sameColour(pixelAt("frmNumero", QPoint(4, 4)), mode));
        QVERIFY(sameColour(pixelAt("TxtRisultato", QPoint(10, 60)), mode));
        QVERIFY(sameColour(shot.pixelColor(4, 300), Colour::rgb(200, 255, 255)));
        // The controls with colours of their own keep them.
        QVERIFY(sameColour(pixelAt("LblTempoTotale", QPoint(2, 2)), QColor(Qt::white), 2));
        QVERIFY(sameColour(pixelAt("Command2", QPoint(8, 20)), Colour::rgb(255, 255, 128), 45));
    }

    // The set-up starts exercise 1, operation 1, with the answer box waiting for the answer.
    void setUp()
    {
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QCOMPARE(QApplication::focusWidget(), box());
        QCOMPARE(session->OpCount, 1);
        QCOMPARE(session->ExerciseNo, 1);
        QCOMPARE(session->OpInExercise, 1);
        QCOMPARE(session->RightCount, 0);
        QCOMPARE(session->AskedTerm, 1);
        QCOMPARE(session->StartTime, services->clock);
        const int minuend = session->Difference + session->Subtrahend;
        QCOMPARE(label("LblNumero1")->text(), QString::number(minuend));
        QCOMPARE(label("LblNumero2")->text(), QString::number(session->Subtrahend));
        QCOMPARE(session->ExpectedAnswerText, QString::number(session->Difference));
        QCOMPARE(session->OpRecords[1].size(), 12);
        QCOMPARE(find<QLabel>("TxtRisultatoLabel")->text(),
            QStringLiteral("%1 meno %2 uguale quanto?").arg(minuend).arg(session->Subtrahend));
        QCOMPARE(box()->accessibleName(), QStringLiteral("Risultato"));
        QCOMPARE(image(3)->accessibleName(), QStringLiteral("Risposta esatta 3"));
        QCOMPARE(image(13)->accessibleName(), QStringLiteral("Risposta errata 3"));
        QCOMPARE(label("LblTempoParziale")->accessibleName(), label("LblTempoParziale")->toolTip());
        verifyState(State::WaitingFirst);
    }

    // The five states, each with its buttons, keypad, instruction and focus.
    void stateTable()
    {
        verifyState(State::WaitingFirst);
        QTest::keyClicks(box(), QStringLiteral("1"));
        verifyState(State::AnswerTyped);
        QTest::mouseClick(button("cmdCancella"), Qt::LeftButton); // still Answer typed
        QCOMPARE(box()->text(), QString());
        verifyState(State::AnswerTyped);
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QTest::mouseClick(button("CmdVerifica"), Qt::LeftButton);
        verifyState(State::Judged);
        QTest::mouseClick(button("CmdOperazione"), Qt::LeftButton);
        verifyState(State::WaitingLater);
        QCOMPARE(session->OpCount, 2);
        for (int op = 2; op < 10; ++op)
            answerAndGoOn(true);
        verifyState(State::WaitingLater);
        QTest::keyClicks(box(), session->ExpectedAnswerText);
        verifyState(State::AnswerTyped);
        QTest::keyClick(box(), Qt::Key_Return);
        verifyState(State::ExerciseComplete);
        QCOMPARE(screen->focusWidget(), button("CmdEsercizio"));
        QTest::mouseClick(button("CmdEsercizio"), Qt::LeftButton);
        verifyState(State::WaitingFirst);
        QCOMPARE(session->ExerciseNo, 2);
        QCOMPARE(session->OpCount, 11);
        QCOMPARE(label("LblEsercizio")->text(), QStringLiteral("2"));
        QCOMPARE(label("LblOperazione")->text(), QStringLiteral("1"));
    }

    void keypad_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("answer");
        QTest::newRow("00") << QStringList { "Command11" } << "00";
        QTest::newRow("000") << QStringList { "Command12" } << "000";
        QTest::newRow("0 7") << QStringList { "Command13", "Command8" } << "07";
        QTest::newRow("9 9 9 1") << QStringList { "Command10", "Command10", "Command10",
            "Command2" } << "999";
        QTest::newRow("1 000") << QStringList { "Command2", "Command12" } << "100";
        QTest::newRow("12 000") << QStringList { "Command2", "Command3", "Command12" } << "120";
        QTest::newRow("4 5 6 Cancella 7")
            << QStringList { "Command5", "Command6", "Command7", "cmdCancella", "Command8" } << "7";
        QTest::newRow("3 00 0") << QStringList { "Command4", "Command11", "Command13" } << "300";
    }

    // Keys only append, the box keeps three characters, and the answer follows the box.
    void keypad()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, answer);
        for (const QString &key : keys)
            QTest::mouseClick(screen->findChild<QPushButton *>(key), Qt::LeftButton);
        QCOMPARE(box()->text(), answer);
        QCOMPARE(session->AnswerText, answer);
        QCOMPARE(services->beeps, 0);
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("beeps");
        QTest::newRow("digits") << "12"
                                << "12" << 0;
        QTest::newRow("fourth digit refused") << "9991"
                                              << "999" << 0;
        QTest::newRow("letter") << "1a"
                                << "1" << 1;
        QTest::newRow("blank, minus, point, comma") << " -.,5"
                                                    << "5" << 4;
        QTest::newRow("upper case and symbols") << "Z+*/"
                                                << "" << 4;
    }

    void keyboard()
    {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(int, beeps);
        QTest::keyClicks(box(), typed);
        QCOMPARE(box()->text(), answer);
        QCOMPARE(session->AnswerText, answer);
        QCOMPARE(services->beeps, beeps);
    }

    // Backspace edits; keys that type nothing pass; shortcuts type control characters, refused.
    void editingKeys()
    {
        QTest::keyClicks(box(), QStringLiteral("999"));
        QTest::keyClick(box(), Qt::Key_Backspace);
        QTest::keyClicks(box(), QStringLiteral("1"));
        QCOMPARE(box()->text(), QStringLiteral("991"));
        QTest::keyClick(box(), Qt::Key_Left);
        QTest::keyClick(box(), Qt::Key_Delete);
        QCOMPARE(box()->text(), QStringLiteral("99"));
        QCOMPARE(services->beeps, 0);
        QTest::keyClick(box(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box()->text(), QStringLiteral("99"));
        QCOMPARE(services->beeps, 2);
    }

    // Digits only, however the text arrives: pasted, dropped, or pasted by Ctrl+V.
    void digitsOnlyWhateverTheWay()
    {
        QTest::keyClicks(box(), QStringLiteral("1"));
        QApplication::clipboard()->setText(QStringLiteral("2x"));
        box()->paste();
        QCOMPARE(box()->text(), QStringLiteral("1"));
        QCOMPARE(services->beeps, 1);
        QTest::keyClick(box(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box()->text(), QStringLiteral("1"));
        QCOMPARE(services->beeps, 2);
        QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(services->beeps, 3);

        QMimeData letters;
        letters.setText(QStringLiteral("-4"));
        QDragEnterEvent enter(
            QPoint(20, 40), Qt::CopyAction, &letters, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box(), &enter);
        QDragMoveEvent move(
            QPoint(20, 40), Qt::CopyAction, &letters, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box(), &move);
        QDropEvent drop(QPointF(20, 40), Qt::CopyAction, &letters, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box(), &drop);
        QCOMPARE(box()->text(), QStringLiteral("1"));
        QCOMPARE(services->beeps, 4);

        QApplication::clipboard()->setText(QStringLiteral("2345"));
        box()->end(false);
        box()->paste();
        QCOMPARE(box()->text(), QStringLiteral("123"));
        QCOMPARE(session->AnswerText, QStringLiteral("123"));
        QCOMPARE(services->beeps, 4);
    }

    // An assistive technology's set, insert and replace keep the same rules, and so does any
    // other writer but the program's own. Once judged, the box refuses every change: paste
    // beeps like a typed key, and the recorded answer stays.
    void assistiveAndOtherWritersKeepTheRules()
    {
        QAccessibleInterface *assistive = QAccessible::queryAccessibleInterface(box());
        QVERIFY(assistive && assistive->editableTextInterface());
        QAccessibleEditableTextInterface *editable = assistive->editableTextInterface();
        assistive->setText(QAccessible::Value, QStringLiteral("7y8"));
        editable->insertText(0, QStringLiteral("7y8"));
        box()->setText(QStringLiteral("-1"));
        QCOMPARE(box()->text(), QString());
        QCOMPARE(services->beeps, 3);
        editable->insertText(0, QStringLiteral("12"));
        editable->replaceText(0, 2, QStringLiteral("4567"));
        QCOMPARE(box()->text(), QStringLiteral("456"));
        QCOMPARE(session->AnswerText, QStringLiteral("456"));
        QVERIFY(button("CmdVerifica")->isVisibleTo(screen));

        QTest::keyClick(box(), Qt::Key_Return);
        const QString record = session->OpRecords[1];
        QVERIFY2(record.contains(QStringLiteral("(456)")), qPrintable(record));
        assistive->setText(QAccessible::Value, QStringLiteral("9"));
        editable->insertText(0, QStringLiteral("9"));
        editable->deleteText(0, 1);
        box()->setText(QString());
        QCOMPARE(services->beeps, 7);
        QApplication::clipboard()->setText(QStringLiteral("9"));
        QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(services->beeps, 8);
        QCOMPARE(box()->text(), QStringLiteral("456"));
        QCOMPARE(session->AnswerText, QStringLiteral("456"));
        QCOMPARE(session->OpRecords[1], record);
    }

    // Enter or "V e r i f i c a " on an empty answer asks for it and judges nothing.
    void emptyAnswerAsks()
    {
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::keyClicks(box(), QStringLiteral("5"));
        QTest::mouseClick(button("cmdCancella"), Qt::LeftButton);
        QTest::mouseClick(button("CmdVerifica"), Qt::LeftButton);
        QCOMPARE(services->messages.size(), 2);
        for (const auto &message : std::as_const(services->messages)) {
            QCOMPARE(message.text, QStringLiteral("Hai dimenticato il risultato"));
            QCOMPARE(message.title, QStringLiteral("distrazione"));
            QCOMPARE(message.style, MsgBox::OkOnly);
        }
        QCOMPARE(screen->focusWidget(), box());
        QCOMPARE(session->RightInExercise + session->WrongInExercise, 0);
        QCOMPARE(session->OpRecords[1].size(), 12);
        QVERIFY(find("fraTastierino")->isEnabled());
        QCOMPARE(label("LblEsito")->text(), QString());
    }

    // The sound system is made ready once the screen is up, before any answer.
    void soundPreparedWhenTheScreenOpens()
    {
        QTRY_COMPARE(services->soundPreparations, 1);
        QVERIFY(services->sounds.isEmpty());
    }

    // Right: sound, verdict, counters, mark, record; wrong: no sound, the other row.
    void rightWrongRight()
    {
        services->advance(5.7);
        typeAndEnter(session->ExpectedAnswerText);
        QCOMPARE(label("LblEsito")->text(), QStringLiteral("E S A T T O"));
        QCOMPARE(services->sounds, QStringList { "/opt/vovorudoroz/positivo.wav" });
        QCOMPARE(session->RightCount, 1);
        QCOMPARE(label("LblTempoParziale")->text(), QStringLiteral(" 5"));
        QCOMPARE(label("LblTempoTotale")->text(), QStringLiteral(" 5"));
        QCOMPARE(session->StopTime, services->clock);
        QCOMPARE(session->OpRecords[1],
            session->OpRecords[1].left(12) + QStringLiteral("   (") + session->ExpectedAnswerText
                + QStringLiteral(")   5 Tp"));
        QTest::mouseClick(button("CmdOperazione"), Qt::LeftButton);
        QCOMPARE(label("LblTempoParziale")->text(), QString());
        QCOMPARE(label("LblTempoTotale")->text(), QStringLiteral(" 5"));
        QCOMPARE(label("LblEsito")->text(), QString());

        services->advance(12);
        keyAndVerify(wrongAnswer());
        QCOMPARE(label("LblEsito")->text(), QStringLiteral("E R R A T O"));
        QCOMPARE(services->sounds.size(), 1);
        QCOMPARE(session->RightCount, 1);
        QCOMPARE(session->WrongInExercise, 1);
        QVERIFY(session->OpRecords[2].endsWith(QStringLiteral(")* 12 Tp")));
        QCOMPARE(label("LblTempoTotale")->text(), QStringLiteral(" 17"));
        QTest::mouseClick(button("CmdOperazione"), Qt::LeftButton);
        answerAndGoOn(true);
        QCOMPARE(shownMarks(), (QList<int> { 1, 2, 11 }));
    }

    // The labels cap at 99 and 999 seconds; the record and texts keep the full time.
    void timeCaps()
    {
        services->advance(100.2);
        typeAndEnter(session->ExpectedAnswerText);
        QCOMPARE(label("LblTempoParziale")->text(), QStringLiteral("99"));
        QCOMPARE(session->PartialTimeText, QStringLiteral(" 100"));
        QVERIFY(session->OpRecords[1].endsWith(QStringLiteral(")  100 Tp")));
        QTest::mouseClick(button("CmdOperazione"), Qt::LeftButton);
        services->advance(899.9);
        typeAndEnter(session->ExpectedAnswerText);
        QCOMPARE(label("LblTempoTotale")->text(), QStringLiteral(" 999"));
        QCOMPARE(session->ExerciseTimeText[1], QStringLiteral(" 999"));
        QTest::mouseClick(button("CmdOperazione"), Qt::LeftButton);
        services->advance(1);
        typeAndEnter(session->ExpectedAnswerText);
        QCOMPARE(label("LblTempoTotale")->text(), QStringLiteral("999"));
        QCOMPARE(session->ExerciseTimeText[1], QStringLiteral(" 1000"));
        QCOMPARE(label("LblTempoTotale")->accessibleDescription(), QStringLiteral("999"));
    }

    // The answer time runs on the monotonic clock: an answer across midnight is not negative.
    void answerAcrossMidnight()
    {
        cleanup();
        init();
        QTest::mouseClick(button("CmdFine"), Qt::LeftButton);
        flushDeletedScreens();
        services->clock = 86395.0f;
        openScreen();
        services->clock = 3.0f;
        services->monotonic += 8.5;
        typeAndEnter(session->ExpectedAnswerText);
        QCOMPARE(session->PartialTime, 8);
        QCOMPARE(session->StartTime, 86395.0f);
        QCOMPARE(session->StopTime, 3.0f);
    }

    // After the tenth answer the menus are still locked; the first answer of exercise 2 opens
    // them, and they open the report (with the focus on its print button) and the certificate.
    void menusUnlock()
    {
        for (int op = 1; op <= 10; ++op)
            answerAndGoOn(op % 3 != 0);
        QVERIFY(!menu("mnuStampa")->isEnabled());
        QVERIFY(!menu("mnuAttestato")->isEnabled());
        QVERIFY(shownMarks().isEmpty());
        QCOMPARE(label("LblTempoTotale")->text(), QString());
        QCOMPARE(session->ExerciseTimeText[1], QStringLiteral(" 30"));
        typeAndEnter(session->ExpectedAnswerText);
        QVERIFY(menu("mnuStampa")->isEnabled());
        QVERIFY(menu("mnuAttestato")->isEnabled());

        menu("mnuStampa")->trigger();
        Screen *report = services->registry.existing(ScreenId::Report);
        QVERIFY(report && report->isVisible());
        menu("mnuAttestato")->trigger();
        QVERIFY(services->registry.existing(ScreenId::Certificate));
        QVERIFY(screen->isVisible());
    }

    void reportButton()
    {
        for (int op = 1; op <= 10; ++op)
            answerAndGoOn(true);
        cleanup();
        init();
        for (int op = 1; op < 10; ++op)
            answerAndGoOn(true);
        typeAndEnter(session->ExpectedAnswerText);
        QTest::mouseClick(button("CmdStampa"), Qt::LeftButton);
        Screen *report = services->registry.existing(ScreenId::Report);
        QVERIFY(report && report->isVisible());
        // The report takes the focus to its print button itself, asked through the session.
        QVERIFY(session->ReportFocusOnPrint);
        QTest::mouseClick(button("CmdStampa"), Qt::LeftButton);
        QCOMPARE(reportsBuilt, 1);
    }

    // The question comes exactly after the fortieth answer; No throws the session away.
    void endOfSessionNo()
    {
        services->answers = { MsgAnswer::No };
        for (int op = 1; op < 40; ++op) {
            answerAndGoOn(op % 4 != 0);
            QVERIFY(services->messages.isEmpty());
        }
        QCOMPARE(session->OpCount, 40);
        QCOMPARE(session->ExerciseNo, 4);
        typeAndEnter(session->ExpectedAnswerText);
        QCOMPARE(services->messages.size(), 1);
        const FakeServices::Message question = services->messages.first();
        QCOMPARE(question.title, QStringLiteral("FINE ESERCITAZIONE"));
        QCOMPARE(question.style, MsgBox::YesNoInformation);
        QCOMPARE(question.text,
            QStringLiteral("Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni "
                           "eseguite?\r(Se rispondi NO l'esercizio sarà perso)"));
        // The question takes the focus at once: a screen reader hears the last verdict with it.
        QVERIFY2(QRegularExpression(QStringLiteral("Esatto\\. \\d+ second[oi]\\. Esercizio 4 "
                                                   "finito: 8 risposte esatte su 10\\."))
                     .match(question.spokenFirst)
                     .hasMatch(),
            qPrintable(question.spokenFirst));
        // The register heard each verdict at once, in order, then the end, then the new session.
        const RecordingRegister &log = services->registerLog;
        QCOMPARE(log.starts.size(), 2);
        QCOMPARE(log.answers.size(), 40);
        for (int op = 1; op <= 40; ++op) {
            const Register::Answer &answer = log.answers[op - 1];
            QCOMPARE(answer.operationNumber, op);
            QCOMPARE(answer.right, op % 4 != 0 || op == 40);
            QCOMPARE(answer.seconds, op < 40 ? 3.0 : 0.0);
        }
        QCOMPARE(log.ends.size(), 1);
        QCOMPARE(log.ends[0].how, Register::Ending::Completed);

        QCOMPARE(session->OpCount, 1);
        QCOMPARE(session->ExerciseNo, 1);
        QCOMPARE(session->RightCount, 0);
        QCOMPARE(session->OpRecords[1].size(), 12);
        for (int record = 2; record <= 40; ++record)
            QCOMPARE(session->OpRecords[record], QString());
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(session->ExerciseTimeText[k], QString());
        QVERIFY(!menu("mnuStampa")->isEnabled());
        QVERIFY(!menu("mnuAttestato")->isEnabled());
        QVERIFY(shownMarks().isEmpty());
        QCOMPARE(label("LblEsercizio")->text(), QStringLiteral("1"));
        QCOMPARE(label("LblOperazione")->text(), QStringLiteral("1"));
        verifyState(State::WaitingFirst);
        QVERIFY(!services->registry.existing(ScreenId::Report));
    }

    // Yes opens the report and ends the session: no forty-first record, ever.
    void endOfSessionYes()
    {
        for (int op = 1; op <= 40; ++op)
            answerAndGoOn(true);
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->registry.existing(ScreenId::Report));
        QCOMPARE(session->OpCount, 40);
        QCOMPARE(session->ExerciseNo, 0);
        QCOMPARE(session->RightCount, 40);
        QVERIFY(!button("CmdEsercizio")->isVisible());
        QVERIFY(button("CmdFine")->isVisible());
        QVERIFY(button("CmdStampa")->isVisible());
        QCOMPARE(label("LblIstruzione")->text(), QString());
        QVERIFY(!find("fraTastierino")->isEnabled());

        button("CmdEsercizio")->click();
        QTest::mouseClick(box(), Qt::LeftButton);
        const int beeps = services->beeps;
        typeAndEnter(QStringLiteral("7"));
        QCOMPARE(services->beeps, beeps + 2);
        QCOMPARE(session->OpCount, 40);
        QCOMPARE(session->RightCount, 40);
        QVERIFY(!button("CmdEsercizio")->isVisible());
        QVERIFY(!button("CmdVerifica")->isVisible());
        QCOMPARE(services->messages.size(), 1);
        verifyInvariants();
    }

    // Judged once: after the tenth answer a click in the box and Enter used to judge again.
    void judgedOnce()
    {
        for (int op = 1; op < 10; ++op)
            answerAndGoOn(true);
        typeAndEnter(wrongAnswer());
        const QString record = session->OpRecords[10];
        QTest::mouseClick(box(), Qt::LeftButton); // "N u o v a ..." is hidden: the box keeps focus
        QTest::keyClick(box(), Qt::Key_Backspace);
        QTest::keyClicks(box(), session->ExpectedAnswerText);
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::keyClick(box(), Qt::Key_Delete);
        QCOMPARE(session->OpRecords[10], record);
        QCOMPARE(session->RightInExercise, 9);
        QCOMPARE(session->WrongInExercise, 1);
        QVERIFY(!button("CmdVerifica")->isVisible());
        QVERIFY(button("CmdFine")->isVisible());
        QCOMPARE(
            label("LblIstruzione")->text(), QStringLiteral("Clicca sul pulsante Nuovo esercizio"));
        QVERIFY(services->beeps >= 3);
        verifyInvariants();
    }

    // After a check the keypad does nothing and a click in the box goes to the next button.
    void afterCheck()
    {
        typeAndEnter(session->ExpectedAnswerText);
        const QString answer = box()->text();
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QTest::mouseClick(button("cmdCancella"), Qt::LeftButton);
        QCOMPARE(box()->text(), answer);
        box()->setFocus();
        QTest::mouseClick(box(), Qt::LeftButton);
        QCOMPARE(screen->focusWidget(), button("CmdOperazione"));
        QApplication::clipboard()->setText(QStringLiteral("4"));
        QTest::keyClick(box(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box()->text(), answer);
        QCOMPARE(session->RightCount, 1);
    }

    // A range press while the screen is open only recolours it and changes the mode banner.
    void rangePressKeepsSession()
    {
        answerAndGoOn(true);
        session->RangeLevel = 5;
        session->AskedTermLow = 2;
        session->AskedTermHigh = 3;
        QCOMPARE(services->registry.show(ScreenId::Exercise), screen);
        label("Label1")->setText(QStringLiteral(" Calcola il minuendo o sottraendo"));
        QCOMPARE(session->OpCount, 2);
        answerAndGoOn(true);
        QVERIFY(session->Difference + session->Subtrahend >= 40);
        QVERIFY(session->AskedTerm >= 2);
        QCOMPARE(
            label("Label2")->text(), QStringLiteral(" Operazione con numero massimo da 1 a 10"));
    }

    void exits_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Esci") << 0;
        QTest::newRow("menu Esci") << 1;
        QTest::newRow("close box") << 2;
    }

    // Every exit closes at once, in any state; the next opening starts a new session.
    void exits()
    {
        QFETCH(int, way);
        answerAndGoOn(true);
        QTest::keyClicks(box(), QStringLiteral("3"));
        if (way == 0)
            button("CmdFine")->click(); // hidden now: the exit by code still closes
        else if (way == 1)
            menu("MnuEsci")->trigger();
        else
            screen->close();
        QVERIFY(!services->registry.existing(ScreenId::Exercise));
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(services->registerLog.ends.size(), 1);
        QCOMPARE(services->registerLog.ends[0].how, Register::Ending::Interrupted);
        flushDeletedScreens();
        openScreen();
        QCOMPARE(services->registerLog.starts.size(), 2);
        QCOMPARE(session->OpCount, 1);
        QCOMPARE(session->RightCount, 0);
    }

    // A whole session, operations typed and keyed in turn, checked after every event.
    void wholeSession()
    {
        int expectedRight = 0;
        for (int op = 1; op <= 40; ++op) {
            const bool right = op % 7 != 3;
            expectedRight += right;
            const QString answer = right ? session->ExpectedAnswerText : wrongAnswer();
            services->advance(op % 13);
            if (op % 2) {
                for (const QChar c : answer) {
                    QTest::keyClick(box(), c.toLatin1());
                    verifyInvariants();
                }
                QTest::keyClick(box(), Qt::Key_Return);
            } else {
                for (const QChar c : answer) {
                    QTest::mouseClick(
                        find<QPushButton>(keyFor(c).toLatin1().constData()), Qt::LeftButton);
                    verifyInvariants();
                }
                QTest::mouseClick(button("CmdVerifica"), Qt::LeftButton);
            }
            verifyInvariants();
            QVERIFY(session->OpRecords[op].endsWith(
                QStringLiteral("%1 Tp").arg(op % 13, 3, 10, QLatin1Char(' '))));
            if (op == 40)
                break;
            QTest::mouseClick(button(op % 10 ? "CmdOperazione" : "CmdEsercizio"), Qt::LeftButton);
            verifyInvariants();
            QCOMPARE(session->OpCount, op + 1);
        }
        QCOMPARE(session->RightCount, expectedRight);
        QCOMPARE(session->OpCount, 40);
        QCOMPARE(services->sounds.size(), expectedRight);
        QVERIFY(services->registry.existing(ScreenId::Report));
    }

    // Thousands of events in a fixed random order: the session stays whole and nothing breaks.
    void randomRun()
    {
        MixingRandomSource random(20261208);
        auto pick = [&random](int n) { return static_cast<int>(random.next() * n); };
        for (int n = 0; n < 200; ++n)
            services->answers.append(pick(2) ? MsgAnswer::Yes : MsgAnswer::No);
        const char *keypad[] = { "Command2", "Command3", "Command4", "Command5", "Command6",
            "Command7", "Command8", "Command9", "Command10", "Command11", "Command12", "Command13",
            "cmdCancella" };
        const char *actions[] = { "CmdVerifica", "CmdOperazione", "CmdEsercizio", "CmdStampa" };
        const QString typed = QStringLiteral("0123456789a -\r\b");
        int exits = 0;
        for (int event = 0; event < 3000; ++event) {
            services->advance(pick(40) / 4.0);
            switch (pick(9)) {
            case 0:
            case 1: {
                const QChar c = typed.at(pick(typed.size()));
                if (c == QLatin1Char('\r'))
                    QTest::keyClick(box(), Qt::Key_Return);
                else if (c == QLatin1Char('\b'))
                    QTest::keyClick(box(), Qt::Key_Backspace);
                else
                    QTest::keyClick(box(), c.toLatin1());
                break;
            }
            case 2:
            case 3:
                QTest::mouseClick(find<QPushButton>(keypad[pick(13)]), Qt::LeftButton);
                break;
            case 4:
            case 5: {
                QPushButton *action = find<QPushButton>(actions[pick(4)]);
                if (action->isVisible())
                    QTest::mouseClick(action, Qt::LeftButton);
                break;
            }
            case 6:
                QTest::mouseClick(box(), Qt::LeftButton);
                break;
            case 7: {
                const char *entries[] = { "mnuStampa", "mnuAttestato" };
                QAction *entry = menu(entries[pick(2)]);
                if (entry->isEnabled())
                    entry->trigger();
                break;
            }
            case 8:
                if (pick(session->ExerciseNo == 0 ? 2 : 60) == 0) {
                    ++exits;
                    button("CmdFine")->click();
                    flushDeletedScreens();
                    openScreen();
                } else {
                    QApplication::clipboard()->setText(
                        pick(2) ? QStringLiteral("4") : QStringLiteral("x"));
                    QTest::keyClick(box(), Qt::Key_Insert, Qt::ShiftModifier);
                }
                break;
            }
            verifyInvariants();
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("after event %1").arg(event)));
        }
        QVERIFY(exits > 0);
    }
};

QTEST_MAIN(TestExerciseScreen)
#include "tst_exercisescreen.moc"
