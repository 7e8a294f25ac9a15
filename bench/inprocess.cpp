// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// In-process timings of the real screens on a real display: creating and showing the exercise
// screen, a key press in the answer box up to the repainted instruction, a whole check, and the
// report and certificate pages printed to PDF through the program's own printer service; every
// judged answer goes to a real register in the PDF folder.
//
//   vovo_bench ROUNDS PDF_FOLDER
// prints one line per measurement: name median min max (milliseconds) and the samples.

#include "Samples.h"
#include "app/ScreenWiring.h"
#include "core/RandomSource.h"
#include "core/SessionRecord.h"
#include "desktop/QtPageDrawing.h"
#include "desktop/QtPrinterQueue.h"
#include "frame/ProgressChart.h"
#include "frame/ScreenRegistry.h"
#include "frame/Services.h"
#include "register/RegisterQueries.h"
#include "register/SqliteRegister.h"
#include "register/TeacherPassword.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTime>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// The desktop without its blocking parts: questions are answered at once, nothing sounds,
// nothing is started; the clock, the random source and the printer are the real ones.
class BenchServices final : public Services
{
public:
    ScreenRegistry registry;
    MixingRandomSource randomSource { 20261208 };
    QtPageDrawing pdfDrawing;
    QtPrinterQueue pdfPrinter;
    QElapsedTimer monotonic;
    int messages = 0;

    BenchServices() { monotonic.start(); }

    ScreenRegistry &screens() override { return registry; }
    MsgAnswer messageBox(
        const QString &, MessageStyle style, const QString &, const QString &) override
    {
        ++messages;
        return style == MsgBox::YesNoInformation ? MsgAnswer::No : MsgAnswer::Ok;
    }
    void beep() override { }
    float timeOfDay() override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0f; }
    double monotonicSeconds() override { return monotonic.nsecsElapsed() / 1e9; }
    QString shortDate() override
    {
        return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    }
    QDate today() override { return QDate::currentDate(); }
    RandomSource &random() override { return randomSource; }
    PageDrawing &pageDrawing() override { return pdfDrawing; }
    PrinterQueue &printerQueue() override { return pdfPrinter; }
    QString documentsFolder() override { return QDir::tempPath(); }
    QString askPdfFilePath(const QString &) override { return QString(); }
    void prepareSound() override { }
    void playSound(const QString &) override { }
    void say(const QString &) override { }
    QString programFolder() override { return QCoreApplication::applicationDirPath(); }
    bool startProgram(const QString &) override { return false; }
    void endProgram() override { }
    // The real register, so that a check is timed with its hand-over to the writer's thread.
    PupilRegister &pupilRegister() override { return *pupilRecords; }
    Register::Status registerStatus() override { return pupilRecords->status(); }
    std::unique_ptr<Register::ReaderThread> openReader() override { return nullptr; }
    bool registerOnServer() override { return false; }
    std::unique_ptr<Register::ReaderThread> openTeacherReader(const QString &) override
    {
        return nullptr;
    }
    ThrottleStore &passwordThrottle() override { return throttle; }
    QString askCsvFilePath(const QString &) override { return QString(); }
    std::unique_ptr<ProgressChart> progressChart(QWidget *) override { return nullptr; }
    std::unique_ptr<SqliteRegister> pupilRecords;
    // The register's screen is not measured: its wrong tries are kept nowhere.
    struct : ThrottleStore
    {
        ThrottleState throttle() override { return {}; }
        void storeThrottle(const ThrottleState &) override { }
    } throttle;
};

template <class T = QWidget> T *control(QWidget *screen, const char *name)
{
    T *widget = screen->findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

struct Bench
{
    SessionRecord session;
    BenchServices services;
    Samples samples;
    QString pdfFolder;

    Bench(const QString &folder) : pdfFolder(folder)
    {
        services.pupilRecords = std::make_unique<SqliteRegister>(
            RegisterPlace { QDir(folder).filePath(QStringLiteral("registro.sqlite")), true });
        registerScreens(services.registry, session, services);
        session.PupilName = QStringLiteral("mario");
        session.RangeLow = 10;
        session.RangeHigh = 98;
        session.RangeLevel = 6;
        session.AskedTermLow = 1;
        session.AskedTermHigh = 3;
        session.ModeCaption =
            QStringLiteral(" Calcola il minuen., sottr., resto/differ. secondo richiesta");
    }

    void record(const char *name, double ms) { samples.add(QString::fromLatin1(name), ms); }

    QWidget *openExercise()
    {
        QElapsedTimer timer;
        timer.start();
        QWidget *screen = services.registry.show(ScreenId::Exercise);
        // Shown means on the display: the window mapped and exposed, then painted.
        QElapsedTimer limit;
        limit.start();
        while (!(screen->windowHandle() && screen->windowHandle()->isExposed())) {
            if (limit.elapsed() > 5000)
                qFatal("the exercise screen was not exposed");
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        screen->repaint();
        record("exercise_screen_show", elapsedMs(timer));
        return screen;
    }

    // The next operation waiting for its answer, whatever the screen offers.
    void nextOperation(QWidget *screen)
    {
        for (const char *name : { "CmdOperazione", "CmdEsercizio" }) {
            auto *button = control<QPushButton>(screen, name);
            if (button->isVisible()) {
                button->click();
                return;
            }
        }
    }

    void keyPresses(QWidget *screen, int count)
    {
        auto *box = control<QLineEdit>(screen, "TxtRisultato");
        auto *instruction = control<QLabel>(screen, "LblIstruzione");
        for (int i = 0; i < count; ++i) {
            box->clear();
            settle();
            QElapsedTimer timer;
            timer.start();
            QTest::keyClick(box, Qt::Key_5);
            instruction->repaint();
            box->repaint();
            record("key_press_to_label", elapsedMs(timer));
        }
        box->clear();
    }

    void checks(QWidget *screen, int count)
    {
        auto *box = control<QLineEdit>(screen, "TxtRisultato");
        auto *verify = control<QPushButton>(screen, "CmdVerifica");
        for (int i = 0; i < count; ++i) {
            QTest::keyClicks(box, QString::number(i % 10 + 1));
            settle();
            QElapsedTimer timer;
            timer.start();
            verify->click();
            screen->repaint();
            record("check_answer", elapsedMs(timer));
            settle();
            nextOperation(screen);
            settle();
        }
    }

    void fillSession()
    {
        session.OpCount = 40;
        session.RightCount = 35;
        for (int i = 1; i <= 40; ++i)
            session.OpRecords[i] = QStringLiteral("15 -  7 =  ?   (8)   5 Tp");
        for (int k = 1; k <= 4; ++k)
            session.ExerciseTimeText[k] = QStringLiteral(" 53");
    }

    void reportPage(int round)
    {
        QWidget *report = services.registry.show(ScreenId::Report);
        if (!QTest::qWaitForWindowExposed(report))
            qFatal("the report was not exposed");
        const QString pdf = QDir(pdfFolder).filePath(QStringLiteral("report-%1.pdf").arg(round));
        services.pdfPrinter.setOutputPdf(pdf);
        auto *print = control<QPushButton>(report, "cmdStampaS");
        const int before = services.messages;
        QElapsedTimer timer;
        timer.start();
        print->click();
        record("report_page_pdf", elapsedMs(timer));
        if (services.messages != before || QFileInfo(pdf).size() == 0)
            qFatal("the report was not printed");
        services.registry.close(ScreenId::Report);
        settle();
    }

    void certificatePage(int round)
    {
        QWidget *certificate = services.registry.show(ScreenId::Certificate);
        if (!QTest::qWaitForWindowExposed(certificate))
            qFatal("the certificate was not exposed");
        const QString pdf =
            QDir(pdfFolder).filePath(QStringLiteral("certificate-%1.pdf").arg(round));
        services.pdfPrinter.setOutputPdf(pdf);
        auto *print = control<QPushButton>(certificate, "Command2");
        const int before = services.messages;
        QElapsedTimer timer;
        timer.start();
        print->click();
        record("certificate_page_pdf", elapsedMs(timer));
        if (services.messages != before || QFileInfo(pdf).size() == 0)
            qFatal("the certificate was not printed");
        services.registry.close(ScreenId::Certificate);
        settle();
    }

    void round(int number)
    {
        QWidget *screen = openExercise();
        keyPresses(screen, 10);
        checks(screen, 10);
        fillSession();
        reportPage(number);
        certificatePage(number);
        services.registry.close(ScreenId::Exercise);
        settle();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? QByteArray(argv[1]).toInt() : 5;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::tempPath();

    Bench bench(folder);
    for (int i = 1; i <= rounds; ++i)
        bench.round(i);

    bench.samples.print();
    return 0;
}
