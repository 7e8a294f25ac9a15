// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The class's practice in the teacher's register: each pupil's families learned, kept when a
// session ends and judged again while one is going on, and "ASSEGNA" for one pupil or the whole
// class, taken away, and gone with its pupil.
#include "FakeServices.h"
#include "RegisterSamples.h"
#include "core/PupilKey.h"
#include "register/RegisterQueries.h"
#include "teacher/FrmAssegna.h"
#include "teacher/FrmRegistro.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int LearnedColumn = 6;
constexpr int AssignedColumn = 7;

// Ten different operations up to 10 of the family "Entro il 10", all right in 2 seconds: a day
// that counts towards learning it.
void fluentDay(SqliteRegister &reg, const QString &name, const QDateTime &at)
{
    const int operations[][2] = { { 5, 3 }, { 6, 3 }, { 7, 3 }, { 8, 3 }, { 9, 3 }, { 6, 4 },
        { 7, 4 }, { 8, 4 }, { 9, 4 }, { 7, 5 } };
    reg.sessionStarted({ name, 1, 1, 1, 10, at });
    int number = 0;
    for (const auto &[minuend, subtrahend] : operations) {
        ++number;
        reg.answerJudged({ number, minuend, subtrahend, 1, minuend - subtrahend,
            QString::number(minuend - subtrahend), true, 2.0, at.addSecs(number * 3), QString() });
    }
    reg.sessionEnded({ Register::Ending::Completed, at.addSecs(60) });
    reg.waitUntilWritten();
}

// What the file keeps of the pupil's families learned; "none" without a row.
QString keptMastery(const QString &path, const QString &key)
{
    QString kept = QStringLiteral("none");
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
        database.setDatabaseName(path);
        database.open();
        QSqlQuery query(database);
        query.prepare(QStringLiteral("SELECT learned FROM family_mastery WHERE pupil_key = ?"));
        query.addBindValue(key);
        if (query.exec() && query.next())
            kept = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
    return kept;
}

int rowsAbout(const QString &path, const QString &table, const QString &key)
{
    int rows = -1;
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
        database.setDatabaseName(path);
        database.open();
        QSqlQuery query(database);
        query.exec(QStringLiteral("SELECT COUNT(*) FROM %1%2")
                       .arg(table,
                           key.isEmpty() ? QString()
                                         : QStringLiteral(" WHERE pupil_key = '%1'").arg(key)));
        if (query.next())
            rows = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
    return rows;
}

} // namespace

class TestClassPlan : public QObject
{
    Q_OBJECT

    FakeServices *services = nullptr;
    SessionRecord stored;
    Screen *screen = nullptr;

    template <class T = QWidget> T *find(const char *name) const
    {
        return screen->findChild<T *>(QString::fromLatin1(name));
    }
    QTableWidget *table() const { return find<QTableWidget>("tblClasse"); }
    QString cell(const QString &name, int column) const
    {
        return table()
            ->item(table()->findItems(name, Qt::MatchExactly).first()->row(), column)
            ->text();
    }
    void choosePupil(const QString &name)
    {
        table()->selectRow(table()->findItems(name, Qt::MatchExactly).first()->row());
    }
    // ASSEGNA, then the families (by their place in teaching order, from 1) and the range.
    FrmAssegna *openDialog(bool wholeClass, const QList<int> &families, int rangeLevel)
    {
        find<QPushButton>("cmdAssegna")->click();
        auto *dialog = screen->findChild<FrmAssegna *>(QStringLiteral("FrmAssegna"));
        if (!dialog || !dialog->isVisible())
            return nullptr;
        dialog
            ->findChild<QRadioButton *>(
                wholeClass ? QStringLiteral("optClasse") : QStringLiteral("optAlunno"))
            ->setChecked(true);
        for (int place = 1; place <= Practice::FamilyCount; ++place)
            dialog->findChild<QCheckBox *>(QStringLiteral("chkFamiglia%1").arg(place))
                ->setChecked(families.contains(place));
        dialog->findChild<QComboBox *>(QStringLiteral("cboLivello"))->setCurrentIndex(rangeLevel);
        return dialog;
    }
    static void press(FrmAssegna *dialog, const char *button)
    {
        dialog->findChild<QPushButton *>(QString::fromLatin1(button))->click();
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
    }
    void cleanup()
    {
        delete services;
        flushDeletedScreens();
    }

    // Kept when a session ends; while the pupil's next session goes on, judged from every
    // answer, where a miss on a later day takes the family back to training.
    void familiesLearnedKeptAndJudged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registro.sqlite"));
        const QString luca = pupilKey(QStringLiteral("Luca"));
        SqliteRegister reg({ path, true });
        fluentDay(reg, QStringLiteral("Luca"), SampleMonday);
        QCOMPARE(keptMastery(path, luca), QString());
        fluentDay(reg, QStringLiteral("Luca"), SampleMonday.addDays(1));
        practise(reg, QStringLiteral("Bea"), 6);
        QCOMPARE(keptMastery(path, luca), QStringLiteral("entro10"));
        {
            Register::RegisterQueries queries(path);
            const QList<Register::PupilOverview> overview = queries.classOverview();
            QCOMPARE(overview.size(), 2);
            QCOMPARE(overview[1].familiesLearned,
                QList<Practice::Family> { Practice::Family::WithinTen });
            QVERIFY(overview[0].familiesLearned.isEmpty());
        }

        const QDateTime wednesday = SampleMonday.addDays(2);
        reg.sessionStarted({ QStringLiteral("Luca"), 1, 1, 1, 10, wednesday });
        reg.answerJudged({ 1, 7, 3, 1, 4, QStringLiteral("5"), false, 2.0, wednesday.addSecs(3),
            QStringLiteral("x") });
        reg.waitUntilWritten();
        QCOMPARE(keptMastery(path, luca), QStringLiteral("none"));
        {
            Register::RegisterQueries queries(path);
            QVERIFY(queries.classOverview()[1].familiesLearned.isEmpty());
        }
        reg.sessionEnded({ Register::Ending::Completed, wednesday.addSecs(10) });
        reg.waitUntilWritten();
        QCOMPARE(keptMastery(path, luca), QString());
    }

    // One pupil, then the whole class over every pupil's own (after the teacher's Yes), then one
    // taken away; the table shows each; a deleted pupil's assignment goes with the pupil.
    void assignOneThenTheClassThenTakeAway()
    {
        QTemporaryDir dir;
        services->registerPath = dir.filePath(QStringLiteral("registro.sqlite"));
        {
            SqliteRegister reg({ services->registerPath, true });
            fluentDay(reg, QStringLiteral("Luca"), SampleMonday);
            fluentDay(reg, QStringLiteral("Luca"), SampleMonday.addDays(1));
            practise(reg, QStringLiteral("Bea"), 3);
            practise(reg, QStringLiteral("Ugo"), 3);
        }
        flushDeletedScreens();
        screen = services->registry.show(ScreenId::Register);
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        find<QLineEdit>("txtPassword")->setText(QString());
        find<QPushButton>("cmdEntra")->click();
        QVERIFY(find("cmdAssegna")->isVisible());
        QCOMPARE(cell(QStringLiteral("Luca"), LearnedColumn), QStringLiteral("1 di 7"));
        QCOMPARE(cell(QStringLiteral("Bea"), LearnedColumn), QStringLiteral("0 di 7"));

        choosePupil(QStringLiteral("Luca"));
        FrmAssegna *dialog = openDialog(false, {}, 0);
        QVERIFY(dialog);
        press(dialog, "cmdSalva");
        QVERIFY(dialog->isVisible()); // no family: nothing to assign
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblAvviso"))->text(),
            QStringLiteral("Scegli almeno una famiglia."));
        dialog = openDialog(false, { 4, 1 }, 2);
        press(dialog, "cmdSalva");
        QVERIFY(!dialog->isVisible());
        const QString lucas =
            QStringLiteral("Entro il 10, Passare la decina (numero max da 1 a 20)");
        QCOMPARE(cell(QStringLiteral("Luca"), AssignedColumn), lucas);
        QCOMPARE(cell(QStringLiteral("Bea"), AssignedColumn), QString());
        // Opened again, the dialog shows the pupil's assignment.
        choosePupil(QStringLiteral("Luca"));
        find<QPushButton>("cmdAssegna")->click();
        QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("chkFamiglia4"))->isChecked());
        QVERIFY(!dialog->findChild<QCheckBox *>(QStringLiteral("chkFamiglia2"))->isChecked());
        QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("cboLivello"))->currentIndex(), 2);
        press(dialog, "cmdAnnulla");

        // The whole class: nothing without the teacher's Yes, then every pupil, Luca's own
        // replaced.
        services->answers = { MsgAnswer::No };
        press(openDialog(true, { 7 }, 0), "cmdSalva");
        QVERIFY(services->messages.last().text.contains(QStringLiteral("tutti i 3 alunni")));
        QCOMPARE(cell(QStringLiteral("Luca"), AssignedColumn), lucas);
        QCOMPARE(cell(QStringLiteral("Ugo"), AssignedColumn), QString());
        services->answers = { MsgAnswer::Yes };
        press(openDialog(true, { 7 }, 0), "cmdSalva");
        for (const char *name : { "Luca", "Bea", "Ugo" })
            QCOMPARE(cell(QString::fromLatin1(name), AssignedColumn),
                QStringLiteral("Il numero nascosto"));

        choosePupil(QStringLiteral("Bea"));
        press(openDialog(false, {}, 0), "cmdTogli");
        QCOMPARE(cell(QStringLiteral("Bea"), AssignedColumn), QString());
        QCOMPARE(cell(QStringLiteral("Ugo"), AssignedColumn), QStringLiteral("Il numero nascosto"));
        QCOMPARE(find<QLabel>("lblEsito")->text(), QStringLiteral("Assegnazione tolta a Bea."));

        const QString path = services->registerPath;
        choosePupil(QStringLiteral("Luca"));
        services->answers = { MsgAnswer::Yes };
        find<QPushButton>("cmdElimina")->click();
        QCOMPARE(rowsAbout(path, QStringLiteral("assignments"), QStringLiteral("luca")), 0);
        QCOMPARE(rowsAbout(path, QStringLiteral("family_mastery"), QStringLiteral("luca")), 0);
        QCOMPARE(rowsAbout(path, QStringLiteral("assignments"), QString()), 1);
        services->answers = { MsgAnswer::Yes };
        find<QPushButton>("cmdSvuota")->click();
        QCOMPARE(rowsAbout(path, QStringLiteral("assignments"), QString()), 0);
        QCOMPARE(rowsAbout(path, QStringLiteral("family_mastery"), QString()), 0);
    }
};

QTEST_MAIN(TestClassPlan)
#include "tst_classplan.moc"
