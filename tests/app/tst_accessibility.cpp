// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeProgram.h"
#include "core/SessionRecord.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>
#include <functional>

namespace {

// What a screen reader finds in one walk of the program's windows.
struct Walk
{
    QStringList unnamed; // reachable controls without a name
    QSet<QString> names; // names of everything reachable
};

bool isControl(const QAccessibleInterface *iface)
{
    switch (iface->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::MenuItem:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Link:
    case QAccessible::PageTab:
        return true;
    case QAccessible::Separator:
        return false;
    default:
        return iface->state().focusable;
    }
}

QString describe(const QAccessibleInterface *iface)
{
    const QObject *object = iface->object();
    QString where = object ? QString::fromLatin1(object->metaObject()->className()) : QString();
    if (object && !object->objectName().isEmpty())
        where += QLatin1Char(' ') + object->objectName();
    return QStringLiteral("%1 (role 0x%2)").arg(where).arg(int(iface->role()), 0, 16);
}

// Hidden parts (the name panel once a name is accepted, the buttons the flow hides) are out of
// reach, and so is everything inside them. A closed menu counts as it reads when opened: every
// entry but the hidden ones.
void walk(QAccessibleInterface *iface, Walk &found, bool inClosedMenu = false)
{
    if (!iface || !iface->isValid())
        return;
    if (inClosedMenu) {
        const auto *action = qobject_cast<const QAction *>(iface->object());
        if (action && !action->isVisible())
            return;
    } else if (iface->state().invisible) {
        return;
    }
    const QString name = iface->text(QAccessible::Name);
    if (!name.trimmed().isEmpty())
        found.names.insert(name);
    else if (isControl(iface))
        found.unnamed.append(describe(iface));
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), found, inClosedMenu);
}

// Every window on screen, and the menus of their menu bars as they read when opened.
Walk walkProgram()
{
    Walk found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || qobject_cast<QMenu *>(window))
            continue;
        walk(QAccessible::queryAccessibleInterface(window), found);
        for (QMenu *menu : window->findChildren<QMenu *>())
            walk(QAccessible::queryAccessibleInterface(menu), found, true);
    }
    return found;
}

QString nameOf(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The operation as the pupil sees it, read in words, with "quanto" for the hidden term.
QString operationInWords(const SessionRecord &session)
{
    QString minuend = QString::number(session.Difference + session.Subtrahend);
    QString subtrahend = QString::number(session.Subtrahend);
    QString difference = QString::number(session.Difference);
    const QString hidden = QStringLiteral("quanto");
    if (session.AskedTerm == 1)
        difference = hidden;
    else if (session.AskedTerm == 2)
        minuend = hidden;
    else
        subtrahend = hidden;
    return minuend + QStringLiteral(" meno ") + subtrahend + QStringLiteral(" uguale ") + difference
        + QLatin1Char('?');
}

// The whole program on the fake desktop, driven the way a pupil would.
class Program : public FakeProgram
{
public:
    template <class T = QWidget> T *control(ScreenId id, const char *name)
    {
        Screen *screen = services.registry.existing(id);
        T *found = screen ? screen->findChild<T *>(QString::fromLatin1(name)) : nullptr;
        if (!found)
            qWarning("no control %s", name);
        return found;
    }

    void enterName(const QString &name)
    {
        QLineEdit *field = control<QLineEdit>(ScreenId::Start, "txtNome");
        QTest::keyClicks(field, name);
        QTest::keyClick(field, Qt::Key_Return);
    }

    void chooseMode(int position)
    {
        control<QComboBox>(ScreenId::Start, "Combo1")->setCurrentIndex(position);
    }

    void chooseRange(const char *button) { control<QPushButton>(ScreenId::Start, button)->click(); }

    QLineEdit *answerBox() { return control<QLineEdit>(ScreenId::Exercise, "TxtRisultato"); }

    QString wrongAnswer() const
    {
        return session.ExpectedAnswerText == QStringLiteral("1") ? QStringLiteral("2")
                                                                 : QStringLiteral("1");
    }

    void answer(bool right)
    {
        services.advance(4);
        QTest::keyClicks(answerBox(), right ? session.ExpectedAnswerText : wrongAnswer());
        QTest::keyClick(answerBox(), Qt::Key_Return);
    }

    void goOn()
    {
        const char *next = session.OpInExercise == 10 ? "CmdEsercizio" : "CmdOperazione";
        control<QPushButton>(ScreenId::Exercise, next)->click();
    }

    // Answers `count` operations, right or wrong by `right`, and moves on after all but the last.
    void answerSeveral(int count, const std::function<bool(int)> &right)
    {
        for (int i = 1; i <= count; ++i) {
            answer(right(i));
            if (i < count)
                goOn();
        }
    }

    void trigger(ScreenId id, const char *action) { control<QAction>(id, action)->trigger(); }
};

enum class Stage {
    NameEntry,
    Choosing,
    ExerciseWaiting,
    AnswerTyped,
    Judged,
    ExerciseComplete,
    Review,
    ReviewJudged,
    Report,
    Analysis,
    Certificate,
    CertificateNotPrintable,
    Scale,
};

void bringTo(Program &program, Stage stage)
{
    if (stage == Stage::NameEntry)
        return;
    if (stage == Stage::Scale) {
        program.trigger(ScreenId::Start, "mnuValutazione");
        return;
    }
    program.enterName(QStringLiteral("Lucia"));
    if (stage == Stage::Choosing)
        return;
    program.chooseRange("Command2");
    switch (stage) {
    case Stage::AnswerTyped:
        QTest::keyClick(program.answerBox(), Qt::Key_7);
        break;
    case Stage::Judged:
        program.answerSeveral(2, [](int i) { return i == 1; });
        break;
    case Stage::ExerciseComplete:
        program.answerSeveral(10, [](int i) { return i % 3 != 0; });
        break;
    case Stage::Review:
    case Stage::ReviewJudged:
        program.answerSeveral(10, [](int i) { return i % 3 != 0; });
        program.trigger(ScreenId::Exercise, "mnuRipasso");
        if (stage == Stage::ReviewJudged) {
            auto *box = program.control<QLineEdit>(ScreenId::Review, "TxtRisultato");
            QTest::keyClicks(box, QStringLiteral("999"));
            QTest::keyClick(box, Qt::Key_Return);
        }
        break;
    case Stage::Report:
        program.answerSeveral(12, [](int i) { return i % 4 != 0; });
        program.trigger(ScreenId::Exercise, "mnuStampa");
        break;
    case Stage::Analysis:
        program.answerSeveral(12, [](int i) { return i % 4 != 0; });
        program.trigger(ScreenId::Exercise, "mnuStampa");
        program.trigger(ScreenId::Report, "mnuAnalisi");
        break;
    case Stage::Certificate:
        program.answerSeveral(12, [](int) { return true; });
        program.trigger(ScreenId::Exercise, "mnuAttestato");
        break;
    case Stage::CertificateNotPrintable:
        program.answerSeveral(11, [](int) { return false; });
        program.trigger(ScreenId::Exercise, "mnuAttestato");
        break;
    default:
        break;
    }
    // The certificate works its texts out when it becomes the active window.
    if (Screen *certificate = program.services.registry.existing(ScreenId::Certificate))
        QVERIFY(QTest::qWaitForWindowActive(certificate));
}

// What labels an object for a screen reader, which reads it before the object's own name.
QString labelOf(QAccessibleInterface *iface)
{
    QStringList labels;
    if (iface) {
        for (const auto &[label, relation] : iface->relations(QAccessible::Label))
            labels.append(label->text(QAccessible::Name));
    }
    return labels.join(QLatin1Char(' '));
}

QString labelOf(QObject *object)
{
    return labelOf(QAccessible::queryAccessibleInterface(object));
}

struct CapturedEvent
{
    QAccessible::Event type;
    QObject *object;
    QString name; // the object's accessible name when the event came
    QString label; // and its label
};
QList<CapturedEvent> captured;

void captureEvent(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    captured.append({ event->type(), event->object(),
        iface ? iface->text(QAccessible::Name) : QString(), labelOf(iface) });
}

// Turns the platform's accessibility on, as a screen reader does, and captures the events.
class ScreenReaderListening
{
public:
    ScreenReaderListening()
        : m_platform(QGuiApplicationPrivate::platformIntegration()->accessibility())
    {
        if (m_platform)
            m_platform->setActive(true);
        m_previous = QAccessible::installUpdateHandler(captureEvent);
    }
    ~ScreenReaderListening() { stop(); }
    bool isListening() const { return m_platform && QAccessible::isActive(); }
    void stop()
    {
        if (m_stopped)
            return;
        m_stopped = true;
        QAccessible::installUpdateHandler(m_previous);
        if (m_platform)
            m_platform->setActive(false);
    }

private:
    QPlatformAccessibility *m_platform;
    QAccessible::UpdateHandler m_previous = nullptr;
    bool m_stopped = false;
};

// Three or more letters in a row, each standing alone: a screen reader spells them out.
const QRegularExpression spelledOut(QStringLiteral("(?<!\\S)\\p{L}(?: +\\p{L}){2,}(?!\\S)"));

// The names and descriptions of everything in a tree that a screen reader could meet, hidden
// parts included: hidden controls come on show as the session goes on.
void collectTexts(QAccessibleInterface *iface, QStringList &texts)
{
    if (!iface || !iface->isValid())
        return;
    for (const auto kind : { QAccessible::Name, QAccessible::Description }) {
        const QString text = iface->text(kind);
        if (!text.isEmpty())
            texts.append(text);
    }
    for (int i = 0; i < iface->childCount(); ++i)
        collectTexts(iface->child(i), texts);
}

QString descriptionOf(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Description) : QString();
}

} // namespace

Q_DECLARE_METATYPE(Stage)
Q_DECLARE_METATYPE(ScreenId)

// What a screen reader can read on every screen: each control a pupil or a teacher can reach
// has an Italian name, the operation and the marks read in words, and the verdict is announced.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { flushDeletedScreens(); }

    // Walking the accessibility tree of every window on screen finds no control without a
    // name, and finds the screen's own controls (so that the walk did reach them).
    void everyReachableControlHasAName_data()
    {
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("start, name entry")
            << Stage::NameEntry
            << QStringList { "Nome", "AVANTI", "Esci", "Calcolo del resto/differenza", "File",
                   "Esci", "?", "Scala di valutazione" };
        QTest::newRow("start, choosing")
            << Stage::Choosing
            << QStringList { "NUMERO MAX DA 1 A 10", "NUMERO MAX DA 1 A  20",
                   "NUMERO MAX DA 10 A 99", "Esci" };
        QTest::newRow("exercise, waiting") << Stage::ExerciseWaiting
                                           << QStringList { "Risultato", "Esci", "Cancella", "000",
                                                  "Visualizza operazioni", "Visualizza attestato" };
        QTest::newRow("exercise, answer typed")
            << Stage::AnswerTyped << QStringList { "Risultato", "Verifica" };
        QTest::newRow("exercise, judged")
            << Stage::Judged
            << QStringList { "Nuova sottrazione", "Risposta esatta 1", "Risposta errata 1",
                   "Secondi impiegati per ogni risposta", "Secondi impiegati per ogni esercizio" };
        QTest::newRow("exercise, complete")
            << Stage::ExerciseComplete
            << QStringList { "Nuovo esercizio", "Visualizza  esercizio", "Esci" };
        QTest::newRow("review") << Stage::Review << QStringList { "Risultato", "Cancella", "000" };
        QTest::newRow("review, judged")
            << Stage::ReviewJudged << QStringList { "Avanti", "Errato" };
        QTest::newRow("report") << Stage::Report
                                << QStringList { "ESCI", "STAMPA LE OPERAZIONI",
                                       "Visualizza attestato" };
        QTest::newRow("analysis") << Stage::Analysis
                                  << QStringList { "Analisi degli errori", "Esci",
                                         "Stampa l'analisi", "ANALISI DEGLI ERRORI",
                                         "Tipo di sottrazione", "12 operazioni, 9 esatte" };
        QTest::newRow("certificate")
            << Stage::Certificate
            << QStringList { "STAMPA  L'ATTESTATO ", "FINE SESSIONE", "ESCI", "OTTIMO" };
        QTest::newRow("certificate, not printable")
            << Stage::CertificateNotPrintable
            << QStringList { "ATTESTATO NON STAMPABILE", "FINE SESSIONE", "ESCI" };
        QTest::newRow("evaluation scale")
            << Stage::Scale << QStringList { "SCALA  DI  VALUTAZIONE", "10/10 ottimo" };
    }
    void everyReachableControlHasAName()
    {
        QFETCH(Stage, stage);
        QFETCH(QStringList, expected);
        Program program;
        bringTo(program, stage);

        const Walk found = walkProgram();
        QVERIFY2(found.unnamed.isEmpty(),
            qPrintable(
                QStringLiteral("without a name: ") + found.unnamed.join(QStringLiteral(", "))));
        for (const QString &name : expected)
            QVERIFY2(
                found.names.contains(name), qPrintable(QStringLiteral("not reached: ") + name));
    }

    // The name field reads "Nome" and the answer box "Risultato", whatever is typed in them.
    void fieldsReadTheirPurpose()
    {
        Program program;
        QLineEdit *name = program.control<QLineEdit>(ScreenId::Start, "txtNome");
        QTest::keyClicks(name, QStringLiteral("Ugo"));
        QCOMPARE(nameOf(name), QStringLiteral("Nome"));
        QCOMPARE(QAccessible::queryAccessibleInterface(name)->role(), QAccessible::EditableText);
        QTest::keyClick(name, Qt::Key_Return);
        program.chooseRange("Command1");
        QTest::keyClicks(program.answerBox(), QStringLiteral("12"));
        QCOMPARE(nameOf(program.answerBox()), QStringLiteral("Risultato"));
    }

    // A menu bar entry that opens a menu is labelled as a menu, its caption kept as its name; the
    // entries that act at once are not.
    void menusReadAsMenus()
    {
        Program program;
        auto *bar = program.services.registry.existing(ScreenId::Start)->findChild<QMenuBar *>();
        QAccessibleInterface *entries = QAccessible::queryAccessibleInterface(bar);
        QStringList heard;
        for (int i = 0; i < entries->childCount(); ++i)
            heard.append(labelOf(entries->child(i)) + QLatin1Char('|')
                + entries->child(i)->text(QAccessible::Name));
        QCOMPARE(
            heard, QStringList({ "Menu File|File", "|?", "|Scala di valutazione", "|Registro" }));
        QCOMPARE(entries->child(0)->child(0)->role(), QAccessible::PopupMenu);
    }

    // The operation is read as a whole, with "quanto" for whichever term the pupil must find, as
    // the answer box's label: heard whenever the box is read.
    void operationIsReadInWords()
    {
        Program program;
        program.enterName(QStringLiteral("Ugo"));
        program.chooseMode(2); // any of the three terms
        program.chooseRange("Command3");
        QSet<int> termsSeen;
        for (int i = 1; i <= 30 && termsSeen.size() < 3; ++i) {
            termsSeen.insert(program.session.AskedTerm);
            QCOMPARE(labelOf(program.answerBox()), operationInWords(program.session));
            // The answer box says which term to write.
            static const QStringList tasks { QStringLiteral("Scrivi la differenza"),
                QStringLiteral("Scrivi il minuendo"), QStringLiteral("Scrivi il sottraendo") };
            QCOMPARE(descriptionOf(program.answerBox()), tasks.at(program.session.AskedTerm - 1));
            program.answer(true);
            program.goOn();
        }
        QCOMPARE(termsSeen.size(), 3);
    }

    // The two time labels read as their tooltips say, and their number stays readable.
    void timeLabelsReadTheirTooltips()
    {
        Program program;
        program.enterName(QStringLiteral("Ugo"));
        program.chooseRange("Command1");
        program.services.advance(3);
        program.answer(true); // answer() adds another 4 seconds: 7 in all
        for (const char *name : { "LblTempoParziale", "LblTempoTotale" }) {
            auto *label = program.control<QLabel>(ScreenId::Exercise, name);
            QVERIFY(!label->toolTip().isEmpty());
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
            QCOMPARE(iface->text(QAccessible::Name), label->toolTip());
            QCOMPARE(label->text().trimmed(), QStringLiteral("7"));
            const QString spoken =
                iface->text(QAccessible::Name) + iface->text(QAccessible::Description);
            QVERIFY2(spoken.contains(QStringLiteral("7")), qPrintable(spoken));
        }
    }

    // Each face mark says whether the answer was right or wrong, and which one it was.
    void faceMarksReadTheirNumber()
    {
        Program program;
        program.enterName(QStringLiteral("Ugo"));
        program.chooseRange("Command1");
        program.answerSeveral(4, [](int i) { return i != 3; });
        for (int number = 1; number <= 10; ++number) {
            QWidget *smile = program.services.registry.existing(ScreenId::Exercise)
                                 ->findChild<QWidget *>(QStringLiteral("Image%1").arg(number));
            QWidget *frown = program.services.registry.existing(ScreenId::Exercise)
                                 ->findChild<QWidget *>(QStringLiteral("Image%1").arg(number + 10));
            QCOMPARE(nameOf(smile), QStringLiteral("Risposta esatta %1").arg(number));
            QCOMPARE(nameOf(frown), QStringLiteral("Risposta errata %1").arg(number));
        }
        const Walk found = walkProgram();
        // Three right answers and one wrong: the marks on show are read, the hidden ones not.
        QVERIFY(found.names.contains(QStringLiteral("Risposta esatta 3")));
        QVERIFY(found.names.contains(QStringLiteral("Risposta errata 1")));
        QVERIFY(!found.names.contains(QStringLiteral("Risposta esatta 4")));
        QVERIFY(!found.names.contains(QStringLiteral("Risposta errata 2")));
    }

    // Every screen the program registers, opened at the end of a whole session: no name or
    // description anywhere in its tree, menus and hidden controls included, is a row of single
    // letters that a screen reader would spell out.
    void noNameIsSpelledOut_data()
    {
        QTest::addColumn<ScreenId>("screen");
        FakeProgram listing;
        for (ScreenId id : listing.services.registry.registered())
            QTest::newRow(qPrintable(QStringLiteral("screen %1").arg(int(id)))) << id;
    }
    void noNameIsSpelledOut()
    {
        QFETCH(ScreenId, screen);
        Program program;
        program.enterName(QStringLiteral("Lucia"));
        program.chooseRange("Command2");
        program.answerSeveral(
            SessionRecord::OperationsPerSession, [](int i) { return i % 4 != 0; });
        Screen *shown = program.services.registry.show(screen);
        QVERIFY(shown);
        // Some screens work their texts out when they become the active window.
        (void)QTest::qWaitForWindowActive(shown, 1000);

        QStringList texts;
        collectTexts(QAccessible::queryAccessibleInterface(shown), texts);
        for (QMenu *menu : shown->findChildren<QMenu *>())
            collectTexts(QAccessible::queryAccessibleInterface(menu), texts);
        QVERIFY(!texts.isEmpty());
        const QStringList spelled = texts.filter(spelledOut);
        QVERIFY2(spelled.isEmpty(),
            qPrintable(shown->objectName() + QStringLiteral(" spells out: ")
                + spelled.join(QStringLiteral(" | "))));
    }

    // The report's records and time boxes and the certificate's grade are read in words too, and
    // the keyboard reaches them.
    void reportAndCertificateInWords()
    {
        Program program;
        program.enterName(QStringLiteral("Ugo"));
        program.chooseMode(1); // the minuend or the subtrahend
        program.chooseRange("Command1");
        program.answerSeveral(12, [](int i) { return i % 4 != 0; });
        program.trigger(ScreenId::Exercise, "mnuStampa");
        const QString fourth = descriptionOf(program.control(ScreenId::Report, "LblOp4"));
        QVERIFY2(fourth.startsWith(QStringLiteral("Esercizio 1, operazione 4: "))
                && fourth.endsWith(QStringLiteral(", sbagliato; 4 secondi")),
            qPrintable(fourth));
        QCOMPARE(descriptionOf(program.control(ScreenId::Report, "Label2")),
            QStringLiteral("Esercizio 2, tempo totale: 8 secondi."));
        // Tab reaches each record in those words, while the record shows its own line.
        QWidget *fourthWords = program.control(ScreenId::Report, "LblOp4Words");
        QCOMPARE(nameOf(fourthWords), fourth);
        QVERIFY(fourthWords->isVisible() && (fourthWords->focusPolicy() & Qt::TabFocus));

        program.trigger(ScreenId::Exercise, "mnuAttestato");
        QVERIFY(
            QTest::qWaitForWindowActive(program.services.registry.existing(ScreenId::Certificate)));
        QCOMPARE(descriptionOf(program.control(ScreenId::Certificate, "lblRapporto")),
            QStringLiteral("Valutazione: buono, 7 su 10."));
        QCOMPARE(descriptionOf(program.control(ScreenId::Certificate, "lblObiettivo3")),
            QStringLiteral("Calcola il minuendo o sottraendo"));
        QCOMPARE(nameOf(program.control(ScreenId::Certificate, "lblRapportoWords")),
            QStringLiteral("Valutazione: buono, 7 su 10."));
    }

    // The button that takes the focus after a check is labelled with the verdict and its seconds,
    // and after the tenth answer the exercise's score, already when the focus comes to it, so
    // that they are heard before its name; it is the only focus change of the check. The next
    // operation takes the sentence away.
    void verdictGoesWithTheFocus_data()
    {
        QTest::addColumn<int>("answers");
        QTest::addColumn<bool>("byButton"); // the last check by Space on "Verifica", not Enter
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("said");
        QTest::newRow("right") << 1 << false << "CmdOperazione"
                               << "Esatto. 4 secondi.";
        QTest::newRow("wrong") << 3 << false << "CmdOperazione"
                               << "Errato. 4 secondi.";
        QTest::newRow("end of exercise")
            << 10 << false << "CmdEsercizio"
            << "Esatto. 4 secondi. Esercizio 1 finito: 7 risposte esatte su 10.";
        QTest::newRow("end of exercise, by the button")
            << 10 << true << "CmdEsercizio"
            << "Esatto. 4 secondi. Esercizio 1 finito: 7 risposte esatte su 10.";
    }
    void verdictGoesWithTheFocus()
    {
        QFETCH(int, answers);
        QFETCH(bool, byButton);
        QFETCH(QString, focused);
        QFETCH(QString, said);
        Program program;
        program.enterName(QStringLiteral("Ugo"));
        program.chooseRange("Command1");
        Screen *exercise = program.services.registry.existing(ScreenId::Exercise);
        QVERIFY(QTest::qWaitForWindowActive(exercise));
        const auto right = [](int i) { return i % 3 != 0; };
        program.answerSeveral(answers - 1, right);
        if (answers > 1)
            program.goOn();
        const bool lastRight = right(answers);

        captured.clear();
        ScreenReaderListening listening;
        QVERIFY(listening.isListening());
        program.services.advance(4);
        QTest::keyClicks(program.answerBox(),
            lastRight ? program.session.ExpectedAnswerText : program.wrongAnswer());
        if (byButton) {
            auto *verify = program.control<QPushButton>(ScreenId::Exercise, "CmdVerifica");
            verify->setFocus();
            captured.clear();
            QTest::keyClick(verify, Qt::Key_Space);
        } else {
            captured.clear();
            QTest::keyClick(program.answerBox(), Qt::Key_Return);
        }
        listening.stop();

        QList<CapturedEvent> focusEvents;
        std::copy_if(captured.cbegin(), captured.cend(), std::back_inserter(focusEvents),
            [](const CapturedEvent &e) { return e.type == QAccessible::Focus; });
        QCOMPARE(focusEvents.size(), 1);
        QCOMPARE(focusEvents.first().object->objectName(), focused);
        QCOMPARE(focusEvents.first().label, said);

        program.goOn();
        for (const char *button : { "CmdOperazione", "CmdEsercizio" })
            QCOMPARE(labelOf(program.control(ScreenId::Exercise, button)), QString());
        QCOMPARE(descriptionOf(program.answerBox()), QStringLiteral("Scrivi la differenza"));
    }

    // The verdict is announced through an accessibility event from the label that shows it,
    // sent once the label reads the verdict.
    void verdictIsAnnounced_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("right") << true << QStringLiteral("Esatto");
        QTest::newRow("wrong") << false << QStringLiteral("Errato");
    }
    void verdictIsAnnounced()
    {
        QFETCH(bool, right);
        QFETCH(QString, verdict);
        Program program;
        program.enterName(QStringLiteral("Ugo"));
        program.chooseRange("Command1");
        QObject *result = program.control(ScreenId::Exercise, "LblEsito");

        // Qt passes on accessibility events only while a screen reader listens.
        captured.clear();
        ScreenReaderListening listening;
        QVERIFY(listening.isListening());
        QTest::keyClicks(program.answerBox(),
            right ? program.session.ExpectedAnswerText : program.wrongAnswer());
        const bool beforeCheck = std::any_of(captured.cbegin(), captured.cend(),
            [&](const CapturedEvent &e) { return e.object == result; });
        QTest::keyClick(program.answerBox(), Qt::Key_Return);
        listening.stop();

        QVERIFY(!beforeCheck);
        const auto announced =
            std::find_if(captured.cbegin(), captured.cend(), [&](const CapturedEvent &e) {
                return e.object == result && e.type == QAccessible::Alert;
            });
        QVERIFY2(announced != captured.cend(), "no announcement from the verdict label");
        QCOMPARE(announced->name, verdict);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
