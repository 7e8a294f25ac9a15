// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeReader.h"
#include "FakeServices.h"
#include "RegisterSamples.h"
#include "analysis/FrmAnalisi.h"
#include "core/SessionRecord.h"
#include "progress/FrmProgressi.h"
#include "report/FrmStampa.h"
#include "teacher/FrmMisure.h"
#include "teacher/FrmRegistro.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class TestRegisterScreen : public QObject
{
    Q_OBJECT

    FakeServices *services = nullptr;
    SessionRecord session;
    SessionRecord stored;
    Screen *screen = nullptr;

    template <class T = QWidget> T *find(const char *name) const
    {
        return screen->findChild<T *>(QString::fromLatin1(name));
    }
    void open(ScreenId id = ScreenId::Register)
    {
        flushDeletedScreens();
        screen = services->registry.show(id);
        QVERIFY(QTest::qWaitForWindowExposed(screen));
    }
    void enterPassword(const QString &typed)
    {
        find<QLineEdit>("txtPassword")->setText(typed);
        find<QPushButton>("cmdEntra")->click();
    }
    QStringList shownNames() const
    {
        auto *table = find<QTableWidget>("tblClasse");
        QStringList names;
        for (int row = 0; row < table->rowCount(); ++row)
            if (!table->isRowHidden(row))
                names.append(table->item(row, 0)->text());
        return names;
    }

private slots:
    void init()
    {
        services = new FakeServices;
        services->registry.setFactory(ScreenId::Register, [this] {
            return new FrmRegistro(
                { *services, *services, *services, *services, services->registry, *services },
                stored);
        });
        services->registry.setFactory(ScreenId::Progress, [this] {
            return new FrmProgressi(session, *services, *services, *services, services->registry);
        });
        services->registry.setFactory(ScreenId::StoredReport, [this] {
            return new FrmStampa(stored, services->screens(), *services, FrmStampa::Kind::Stored);
        });
        services->registry.setFactory(ScreenId::StoredAnalysis, [this] {
            return new FrmAnalisi(stored, { *services, *services, *services, *services });
        });
    }
    void cleanup()
    {
        delete services;
        flushDeletedScreens();
    }

    void passwordClassDeletionAndExport()
    {
        QTemporaryDir dir;
        services->registerPath = dir.filePath(QStringLiteral("registro.sqlite"));
        {
            SqliteRegister reg({ services->registerPath, true });
            practise(reg, QStringLiteral("Luca"), 6);
            practise(reg, QStringLiteral("luca "), 6, SampleMonday.addDays(1));
            practise(reg, QStringLiteral("Bea"), 3);
        }
        open();
        QCOMPARE(find<QPushButton>("cmdEntra")->text(), QStringLiteral("SALVA"));
        QVERIFY(!find("fraClasse")->isVisible());
        enterPassword(QStringLiteral("gatto"));
        QCOMPARE(shownNames(), QStringList({ "Bea", "Luca" }));

        screen->close();
        open();
        QCOMPARE(find<QPushButton>("cmdEntra")->text(), QStringLiteral("ENTRA"));
        enterPassword(QStringLiteral("cane"));
        QVERIFY(
            find<QLabel>("lblPassword")->text().startsWith(QStringLiteral("Password sbagliata")));
        QCOMPARE(services->beeps, 1);
        QVERIFY(!find("fraClasse")->isVisible());
        enterPassword(QStringLiteral("gatto"));
        QVERIFY(find("fraClasse")->isVisible());
        QTest::keyClicks(find("txtCerca"), QStringLiteral("LU"));
        QCOMPARE(shownNames(), QStringList({ "Luca" }));

        auto *table = find<QTableWidget>("tblClasse");
        table->selectRow(table->findItems(QStringLiteral("Luca"), Qt::MatchExactly).first()->row());
        services->answers = { MsgAnswer::Yes };
        find<QPushButton>("cmdElimina")->click();
        QCOMPARE(
            services->messages.last().text, QStringLiteral("Eliminare Luca e le sue 2 sessioni?"));
        find<QLineEdit>("txtCerca")->clear();
        QCOMPARE(shownNames(), QStringList({ "Bea" }));

        table->clearSelection();
        services->csvAnswers = { dir.filePath(QStringLiteral("classe.csv")) };
        find<QPushButton>("cmdEsporta")->click();
        QVERIFY(
            services->csvQuestions.last().endsWith(QStringLiteral("registro-classe-20261208.csv")));
        QVERIFY(find<QLabel>("lblEsito")
                    ->text()
                    .startsWith(QStringLiteral("Esportate 3 risposte della classe")));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("classe.csv"))));

        // Changing needs the old password.
        find<QPushButton>("cmdCambia")->click();
        find<QLineEdit>("txtNuova")->setText(QStringLiteral("lupo"));
        enterPassword(QStringLiteral("cane"));
        QCOMPARE(services->beeps, 2);
        find<QLineEdit>("txtNuova")->setText(QStringLiteral("lupo"));
        enterPassword(QStringLiteral("gatto"));
        QCOMPARE(find<QLabel>("lblEsito")->text(), QStringLiteral("La password è cambiata."));
        screen->close();
        open();
        enterPassword(QStringLiteral("gatto"));
        QVERIFY(!find("fraClasse")->isVisible());
        enterPassword(QStringLiteral("lupo"));
        QVERIFY(find("fraClasse")->isVisible());
    }

    // The pupil sees only their own days, without a password.
    void pupilsOwnProgress()
    {
        QTemporaryDir dir;
        services->registerPath = dir.filePath(QStringLiteral("registro.sqlite"));
        {
            SqliteRegister reg({ services->registerPath, true });
            practise(reg, QStringLiteral("Luca"), 6, SampleMonday);
            practise(reg, QStringLiteral("Luca"), 6, SampleMonday.addSecs(3600));
            practise(reg, QStringLiteral("luca"), 9, SampleMonday.addDays(1));
            practise(reg, QStringLiteral("Bea"), 3);
        }
        session.PupilName = QStringLiteral("LUCA ");
        open(ScreenId::Progress);
        QCOMPARE(find<QLabel>("lblSessioni")->text(), QStringLiteral("Hai fatto 3 sessioni."));
        QCOMPARE(find<QTableWidget>("tblGiorni")->rowCount(), 2);
        // The newest day first.
        QCOMPARE(find<QTableWidget>("tblGiorni")->item(0, 0)->text(), QStringLiteral("08/12/2026"));
        QCOMPARE(find<QTableWidget>("tblGiorni")->item(1, 0)->text(), QStringLiteral("07/12/2026"));
        QCOMPARE(find<QLabel>("lblFrase")->text(),
            QStringLiteral("Ogni giorno di allenamento conta: continua così!"));
    }

    // One pupil: the sessions, a stored session's report and analysis rebuilt by the exercise's
    // own rules, and the progress sheet through the printing path.
    void onePupilsSessionsReportAndSheet()
    {
        QTemporaryDir dir;
        services->registerPath = dir.filePath(QStringLiteral("registro.sqlite"));
        {
            SqliteRegister reg({ services->registerPath, true });
            practise(reg, QStringLiteral("Luca"), 6);
            reg.reviewDone({ 2, 1, SampleMonday.addSecs(60) });
            practise(reg, QStringLiteral("Luca"), 12, SampleMonday.addDays(1));
        }
        open();
        enterPassword(QString());
        auto *sessions = find<QTableWidget>("tblSessioni");
        find<QPushButton>("cmdOperazioni")->click();
        QCOMPARE(services->beeps, 1);
        find<QTableWidget>("tblClasse")->selectRow(0);
        QCOMPARE(sessions->rowCount(), 2);
        QCOMPARE(sessions->item(0, 3)->text(), QStringLiteral("8 / 12"));

        sessions->selectRow(1); // the older session, on Monday
        find<QPushButton>("cmdOperazioni")->click();
        auto *report = services->registry.existing(ScreenId::StoredReport);
        QVERIFY(report);
        QCOMPARE(
            report->windowTitle(), QStringLiteral("STAMPA DELLE OPERAZIONI — Luca, 07/12/2026"));
        QCOMPARE(report->findChild<QLabel *>(QStringLiteral("LblOp3"))->text(),
            QStringLiteral("33 - 12 =  ?   (7)*  3 Tp"));
        QVERIFY(report->findChild<QLabel *>(QStringLiteral("LblOp7"))->text().isEmpty());
        QCOMPARE(stored.ExerciseTimeText[1], QStringLiteral(" 18"));
        find<QPushButton>("cmdAnalisi")->click();
        auto *analysis = services->registry.existing(ScreenId::StoredAnalysis);
        QVERIFY(analysis->findChild<QLabel *>(QStringLiteral("lblIntestazione1"))
                    ->text()
                    .contains(QStringLiteral("07/12/2026")));
        QCOMPARE(
            analysis->windowTitle(), QStringLiteral("ANALISI DEGLI ERRORI — Luca, 07/12/2026"));
        QStringList sentences;
        for (const QLabel *line : analysis->findChildren<QLabel *>())
            if (line->objectName().startsWith(QStringLiteral("lblErrore"))
                && line->isVisibleTo(analysis))
                sentences.append(line->text());
        QVERIFY2(
            sentences.contains(QStringLiteral("Ripasso: 2 operazioni ripassate, 1 ora corretta")),
            qPrintable(sentences.join(QLatin1Char('\n'))));

        find<QPushButton>("cmdStampa")->click();
        const FakePrinter::Page &sheet = services->printerDouble.pages.last();
        QCOMPARE(sheet.lines.first().text, QStringLiteral("PROGRESSI DI LUCA"));
        QCOMPARE(sheet.pictures.size(), 1);
        QCOMPARE(sheet.lines[sheet.lines.size() - 2].text, QStringLiteral("8 / 12"));
    }

    // A read that fails is told in one plain line, on the teacher's screen and on the pupil's.
    void failedReadIsTold()
    {
        FakeReader::Content content;
        content.failing = true;
        services->readerOpener = FakeReader::opener(content);
        open();
        QVERIFY(find("fraClasse")->isVisible());
        QCOMPARE(find<QLabel>("lblEsito")->text(), Register::readFailedText());
        screen->close();
        session.PupilName = QStringLiteral("Luca");
        open(ScreenId::Progress);
        QCOMPARE(find<QLabel>("lblFrase")->text(), Register::readFailedText());
    }

    // As in the program, the register is read on its own thread: "Carico…" meanwhile, then
    // what was read.
    void loadingThenData()
    {
        FakeReader::Content content;
        content.held = std::make_shared<QSemaphore>();
        Register::PupilOverview luca;
        luca.key = QStringLiteral("luca");
        luca.name = QStringLiteral("Luca");
        content.pupils = { luca };
        content.days[luca.key] = { { QDate(2026, 12, 7), 10, 80, 4.0 },
            { QDate(2026, 12, 8), 10, 90, 3.5 } };
        content.sessions[luca.key] = { {}, {} };
        services->readerOpener = FakeReader::opener(content);
        services->readerWhere = Register::ReaderThread::Where::OwnThread;

        open();
        QTRY_VERIFY(find("fraClasse")->isVisible());
        QCOMPARE(find<QLabel>("lblCarico")->text(), QStringLiteral("Carico…"));
        QVERIFY(find("lblCarico")->isVisible());
        content.held->release();
        QTRY_COMPARE(find<QTableWidget>("tblClasse")->rowCount(), 1);
        QVERIFY(!find("lblCarico")->isVisible());
        screen->close();

        session.PupilName = QStringLiteral("Luca");
        open(ScreenId::Progress);
        QCOMPARE(find<QLabel>("lblSessioni")->text(), QStringLiteral("Carico…"));
        content.held->release();
        QTRY_COMPARE(find<QLabel>("lblSessioni")->text(), QStringLiteral("Hai fatto 2 sessioni."));
        QCOMPARE(find<QTableWidget>("tblGiorni")->rowCount(), 2);
    }

    // MISURE for the chosen pupil: shown as kept, cancelled without a change, saved, saved as the
    // default (which keeps nothing); a register that cannot be read lets nothing be saved. The
    // sessions show the answers given with the number line, for a pupil who ever used it.
    void measuresSetSavedAndCancelled()
    {
        FakeReader::Content content;
        for (const char *name : { "Anna", "Luca" }) {
            Register::PupilOverview pupil;
            pupil.name = QString::fromLatin1(name);
            pupil.key = pupil.name.toLower();
            content.pupils.append(pupil);
        }
        content.measures[QStringLiteral("luca")] = { true, 7, false, false, true };
        Register::SessionSummary aided;
        aided.aidUses = 3;
        content.sessions[QStringLiteral("luca")] = { aided, {} };
        content.sessions[QStringLiteral("anna")] = { {} };
        services->readerOpener = FakeReader::opener(content);
        open();
        auto *table = find<QTableWidget>("tblClasse");
        auto *sessions = find<QTableWidget>("tblSessioni");
        QVERIFY(!find("cmdMisure")->isEnabled());
        auto choose = [&](const QString &name) {
            table->selectRow(table->findItems(name, Qt::MatchExactly).first()->row());
        };
        choose(QStringLiteral("Anna"));
        QCOMPARE(sessions->columnCount(), 5);
        choose(QStringLiteral("Luca"));
        QCOMPARE(sessions->columnCount(), 6);
        QCOMPARE(sessions->horizontalHeaderItem(5)->text(), QStringLiteral("Aiuto"));
        QCOMPARE(sessions->item(0, 5)->text(), QStringLiteral("0")); // the newest
        QCOMPARE(sessions->item(1, 5)->text(), QStringLiteral("3"));

        QVERIFY(find("cmdMisure")->isEnabled());
        find<QPushButton>("cmdMisure")->click();
        auto *dialog = screen->findChild<FrmMisure *>(QStringLiteral("FrmMisure"));
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("MISURE — REGISTRO DELLA CLASSE"));
        auto box = [dialog](const char *name) {
            return dialog->findChild<QCheckBox *>(QString::fromLatin1(name));
        };
        auto *size = dialog->findChild<QSpinBox *>(QStringLiteral("spnOperazioni"));
        auto state = [&] {
            return QStringList { box("chkTempoNascosto")->isChecked() ? "tempo" : "",
                box("chkMenoOperazioni")->isChecked() ? "meno" : "",
                size->isEnabled() ? QString::number(size->value()) : "-",
                box("chkLeggi")->isChecked() ? "leggi" : "",
                box("chkContrasto")->isChecked() ? "contrasto" : "",
                box("chkAiuto")->isChecked() ? "aiuto" : "" }
                .join(QLatin1Char('|'));
        };
        auto press = [&](const char *button) {
            dialog->findChild<QPushButton *>(QString::fromLatin1(button))->click();
        };
        QCOMPARE(state(), QStringLiteral("tempo|meno|7|||aiuto"));
        box("chkMenoOperazioni")->setChecked(false);
        QVERIFY(!size->isEnabled());
        box("chkLeggi")->setChecked(true);
        press("cmdAnnulla");
        QVERIFY(!dialog->isVisible());
        find<QPushButton>("cmdMisure")->click();
        QCOMPARE(state(), QStringLiteral("tempo|meno|7|||aiuto"));

        box("chkContrasto")->setChecked(true);
        size->setValue(5);
        press("cmdSalva");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(find<QLabel>("lblEsito")->text(), QStringLiteral("Misure salvate per Luca."));
        find<QPushButton>("cmdMisure")->click();
        QCOMPARE(state(), QStringLiteral("tempo|meno|5||contrasto|aiuto"));
        for (const char *name :
            { "chkTempoNascosto", "chkMenoOperazioni", "chkContrasto", "chkAiuto" })
            box(name)->setChecked(false);
        press("cmdSalva");

        choose(QStringLiteral("Anna"));
        find<QPushButton>("cmdMisure")->click();
        QCOMPARE(state(), QStringLiteral("||-|||"));
        press("cmdAnnulla");
        choose(QStringLiteral("Luca"));
        find<QPushButton>("cmdMisure")->click();
        QCOMPARE(state(), QStringLiteral("||-|||"));
        press("cmdAnnulla");

        content.failing = true;
        Register::ReaderThread failing(
            FakeReader::opener(content), Register::ReaderThread::Where::CallingThread);
        dialog->ask(failing, QStringLiteral("luca"), QStringLiteral("Luca"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblAvviso"))->text(),
            QStringLiteral(
                "Il registro non si può leggere: le misure non si possono cambiare ora."));
        QVERIFY(!dialog->findChild<QPushButton *>(QStringLiteral("cmdSalva"))->isEnabled());
        press("cmdAnnulla");
    }

    void switchedOffShowsWhy()
    {
        open();
        QVERIFY(find("fraClasse")->isVisible());
        QVERIFY(!find("cmdEsporta")->isVisible());
        QVERIFY(find<QLabel>("lblStato")->text().contains(QStringLiteral("spento")));
    }
};

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
