// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "teacher/FrmRegistro.h"

#include "core/DrillCodes.h"
#include "core/Hypothesis.h"
#include "core/ReviewInput.h"
#include "core/SessionRecord.h"
#include "core/ShortDate.h"
#include "core/StoredSession.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/PagePrinting.h"
#include "frame/ProgressChart.h"
#include "frame/ScreenRegistry.h"
#include "frame/Services.h"
#include "register/CsvExport.h"
#include "register/PupilKey.h"
#include "teacher/ProgressSheet.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QColor Background = Colour::rgb(255, 240, 150);
const QColor DarkRed = Colour::rgb(128, 0, 0);
const QString Title = QStringLiteral("REGISTRO DELLA CLASSE");

// A cell shown as text and sorted by its own key (a number or a date), so that "9" comes
// before "10" and "—" before any figure.
class SortedCell final : public QTableWidgetItem
{
public:
    SortedCell(const QString &text, const QVariant &key) : QTableWidgetItem(text)
    {
        setData(Qt::UserRole, key);
    }
    bool operator<(const QTableWidgetItem &other) const override
    {
        return QVariant::compare(data(Qt::UserRole), other.data(Qt::UserRole))
            == QPartialOrdering::Less;
    }
};

// "Toglie la cifra più piccola dalla più grande (confermato)", one after the other: the last
// session's recurring error is always among them.
QString hypothesesText(const Register::PupilOverview &pupil)
{
    QStringList parts;
    for (const Hypothesis::Found &found : pupil.openHypotheses)
        parts.append(QStringLiteral("%1 (%2)").arg(
            Analysis::errorName(found.label), Hypothesis::stateWord(found.status.state)));
    return parts.join(QStringLiteral("; "));
}

QString trendArrow(Register::Trend trend)
{
    switch (trend) {
    case Register::Trend::Up:
        return QStringLiteral("↑");
    case Register::Trend::Down:
        return QStringLiteral("↓");
    case Register::Trend::Same:
        return QStringLiteral("=");
    case Register::Trend::None:
        break;
    }
    return QString();
}

QString secondsText(double seconds)
{
    return QLocale(QLocale::Italian).toString(seconds, 'f', 1);
}

} // namespace

FrmRegistro::FrmRegistro(Services &services, SessionRecord &chosenSession)
    : m_services(services), m_chosenSession(chosenSession)
{
    setObjectName(QStringLiteral("FrmRegistro"));
    setWindowTitle(Title);
    buildControls();
    useFixedDialogFrame();
    setClientSize(11910, 9000);
    centreOnScreen();

    m_queries = m_services.openRegister();
    if (!m_queries) {
        showClass();
        return;
    }
    // On a lab the password is the teacher's own login on the school server, which opens the
    // class's register there in place of this PC's file.
    auto serverLogin = [this](const QString &typed) {
        return m_services.openTeacherRegister(typed, m_queries);
    };
    m_password = m_services.registerOnServer()
        ? std::make_unique<TeacherPassword>(serverLogin, &m_services.passwordThrottle())
        : std::make_unique<TeacherPassword>(*m_queries, nullptr, &m_services.passwordThrottle());
    if (m_password->isChosen() && m_password->isEmpty())
        showClass();
    else
        askPassword();
}

FrmRegistro::~FrmRegistro() = default;

void FrmRegistro::buildControls()
{
    QWidget *area = client();
    Controls::setBackground(area, Background);
    const QFont text = Controls::arial(12);
    const QFont buttons = Controls::arial(11.25, true);

    lblTitolo =
        Controls::label(area, QStringLiteral("lblTitolo"), Title, Controls::arial(15.75, true));
    Controls::place(lblTitolo, 510, 210, 10890, 525);
    Controls::setTextColour(lblTitolo, DarkRed);
    lblTitolo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    fraPassword = Controls::panel(area, QStringLiteral("fraPassword"), Background);
    Controls::place(fraPassword, 510, 1500, 10890, 2400);
    lblPassword = Controls::label(fraPassword, QStringLiteral("lblPassword"), QString(), text);
    Controls::place(lblPassword, 0, 0, 10890, 780);
    lblPassword->setWordWrap(true);
    txtPassword = new QLineEdit(fraPassword);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setFont(text);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setAccessibleName(QStringLiteral("Password dell'insegnante"));
    Controls::place(txtPassword, 0, 900, 4500, 450);
    cmdEntra = Controls::button(fraPassword, QStringLiteral("cmdEntra"), QString(), buttons);
    Controls::place(cmdEntra, 4800, 870, 2535, 510);
    lblNuova = Controls::label(
        fraPassword, QStringLiteral("lblNuova"), QStringLiteral("La password nuova:"), text);
    Controls::place(lblNuova, 0, 1560, 4500, 420);
    txtNuova = new QLineEdit(fraPassword);
    txtNuova->setObjectName(QStringLiteral("txtNuova"));
    txtNuova->setFont(text);
    txtNuova->setEchoMode(QLineEdit::Password);
    txtNuova->setAccessibleName(QStringLiteral("La password nuova"));
    Controls::place(txtNuova, 0, 1980, 4500, 450);
    setTabOrder(txtPassword, txtNuova);
    setTabOrder(txtNuova, cmdEntra);
    connect(txtPassword, &QLineEdit::returnPressed, this, &FrmRegistro::cmdEntra_Click);
    connect(txtNuova, &QLineEdit::returnPressed, this, &FrmRegistro::cmdEntra_Click);
    connect(cmdEntra, &QPushButton::clicked, this, &FrmRegistro::cmdEntra_Click);

    fraClasse = Controls::panel(area, QStringLiteral("fraClasse"), Background);
    Controls::place(fraClasse, 510, 900, 10890, 7035);
    QLabel *find =
        Controls::label(fraClasse, QStringLiteral("lblCerca"), QStringLiteral("Cerca:"), text);
    Controls::place(find, 0, 30, 900, 420);
    txtCerca = new QLineEdit(fraClasse);
    txtCerca->setObjectName(QStringLiteral("txtCerca"));
    txtCerca->setFont(text);
    txtCerca->setAccessibleName(QStringLiteral("Cerca un alunno"));
    Controls::place(txtCerca, 900, 0, 4000, 450);
    connect(txtCerca, &QLineEdit::textChanged, this, &FrmRegistro::filterRows);
    cmdCambia = Controls::button(fraClasse, QStringLiteral("cmdCambia"),
        QStringLiteral("CAMBIA PASSWORD"), Controls::arial(9.75, true));
    Controls::place(cmdCambia, 7590, 0, 3300, 450);
    Controls::setBackground(cmdCambia, Background);
    connect(cmdCambia, &QPushButton::clicked, this, &FrmRegistro::cmdCambia_Click);

    tblClasse = new QTableWidget(0, 7, fraClasse);
    tblClasse->setObjectName(QStringLiteral("tblClasse"));
    tblClasse->setAccessibleName(QStringLiteral("La classe"));
    tblClasse->setFont(Controls::arial(11));
    tblClasse->setHorizontalHeaderLabels({ QStringLiteral("Alunno"), QStringLiteral("Sessioni"),
        QStringLiteral("Ultima sessione"), QStringLiteral("Esatte"), QStringLiteral("Andamento"),
        QStringLiteral("Secondi"), QStringLiteral("Errore ricorrente") });
    tblClasse->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblClasse->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblClasse->setSelectionMode(QAbstractItemView::SingleSelection);
    tblClasse->verticalHeader()->hide();
    tblClasse->horizontalHeader()->setStretchLastSection(true);
    // By name at first (Qt's own first order is descending); a click on a heading sorts by it.
    tblClasse->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    tblClasse->setSortingEnabled(true);
    Controls::place(tblClasse, 0, 600, 10890, 2100);
    connect(tblClasse, &QTableWidget::itemSelectionChanged, this, &FrmRegistro::showPupil);

    // The chosen pupil: the chart on the left (made on the first pupil shown), the sessions on
    // the right.
    tblSessioni = new QTableWidget(0, 5, fraClasse);
    tblSessioni->setObjectName(QStringLiteral("tblSessioni"));
    tblSessioni->setAccessibleName(QStringLiteral("Le sessioni dell'alunno"));
    tblSessioni->setFont(Controls::arial(9));
    tblSessioni->setHorizontalHeaderLabels(ProgressSheet::headings());
    tblSessioni->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSessioni->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblSessioni->setSelectionMode(QAbstractItemView::SingleSelection);
    tblSessioni->verticalHeader()->hide();
    tblSessioni->horizontalHeader()->setStretchLastSection(true);
    Controls::place(tblSessioni, 6050, 2820, 4840, 2460);
    cmdOperazioni = Controls::button(fraClasse, QStringLiteral("cmdOperazioni"),
        QStringLiteral("OPERAZIONI"), Controls::arial(9.75, true));
    Controls::place(cmdOperazioni, 6050, 5340, 2360, 420);
    cmdAnalisi = Controls::button(fraClasse, QStringLiteral("cmdAnalisi"),
        QStringLiteral("ANALISI DEGLI ERRORI"), Controls::arial(9.75, true));
    Controls::place(cmdAnalisi, 8530, 5340, 2360, 420);
    for (QPushButton *button : { cmdOperazioni, cmdAnalisi })
        Controls::setBackground(button, Background);
    connect(tblSessioni, &QTableWidget::cellDoubleClicked, this, &FrmRegistro::cmdOperazioni_Click);
    connect(cmdOperazioni, &QPushButton::clicked, this, &FrmRegistro::cmdOperazioni_Click);
    connect(cmdAnalisi, &QPushButton::clicked, this, &FrmRegistro::cmdAnalisi_Click);

    lblStato = Controls::label(fraClasse, QStringLiteral("lblStato"), QString(), text);
    Controls::place(lblStato, 0, 5880, 10890, 580);
    lblStato->setWordWrap(true);
    lblEsito = Controls::label(fraClasse, QStringLiteral("lblEsito"), QString(), text);
    Controls::place(lblEsito, 0, 6470, 10890, 560);
    lblEsito->setWordWrap(true);
    Controls::setTextColour(lblEsito, DarkRed);

    cmdEsporta = Controls::button(
        area, QStringLiteral("cmdEsporta"), QStringLiteral("ESPORTA CSV"), buttons);
    cmdStampa =
        Controls::button(area, QStringLiteral("cmdStampa"), QStringLiteral("STAMPA"), buttons);
    cmdElimina = Controls::button(
        area, QStringLiteral("cmdElimina"), QStringLiteral("ELIMINA ALUNNO"), buttons);
    cmdSvuota = Controls::button(
        area, QStringLiteral("cmdSvuota"), QStringLiteral("SVUOTA REGISTRO"), buttons);
    cmdEsci = Controls::button(area, QStringLiteral("cmdEsci"), QStringLiteral("ESCI"), buttons);
    cmdEsci->setAccessibleName(QStringLiteral("Esci"));
    int left = 510;
    for (QPushButton *button : { cmdEsporta, cmdStampa, cmdElimina, cmdSvuota, cmdEsci }) {
        Controls::place(button, left, 8130, 2130, 585);
        Controls::setBackground(button, Background);
        left += 2190;
    }
    connect(cmdEsporta, &QPushButton::clicked, this, &FrmRegistro::cmdEsporta_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &FrmRegistro::cmdStampa_Click);
    connect(cmdElimina, &QPushButton::clicked, this, &FrmRegistro::cmdElimina_Click);
    connect(cmdSvuota, &QPushButton::clicked, this, &FrmRegistro::cmdSvuota_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void FrmRegistro::askPassword(bool change)
{
    const bool first = !m_password->isChosen();
    lblPassword->setText(first ? QStringLiteral("Scegli la password dell'insegnante per il "
                                                "registro (si può lasciare vuota):")
            : change           ? QStringLiteral("Scrivi la password attuale:")
                               : QStringLiteral("Scrivi la password dell'insegnante:"));
    cmdEntra->setText(first ? QStringLiteral("SALVA")
            : change        ? QStringLiteral("CAMBIA")
                            : QStringLiteral("ENTRA"));
    if (m_password->secondsToWait() > 0)
        lblPassword->setText(QStringLiteral("Troppi tentativi: riprova tra %1 secondi.")
                                 .arg(m_password->secondsToWait()));
    lblNuova->setVisible(change);
    txtNuova->setVisible(change);
    fraClasse->hide();
    for (QPushButton *button : { cmdEsporta, cmdStampa, cmdElimina, cmdSvuota })
        button->hide();
    fraPassword->show();
    txtPassword->setFocus();
}

void FrmRegistro::cmdEntra_Click()
{
    const QString typed = txtPassword->text();
    const QString newPassword = txtNuova->text();
    const bool changing = txtNuova->isVisible();
    txtPassword->clear();
    txtNuova->clear();
    if (!m_password->isChosen()) {
        // A file that cannot be written keeps no password: the register is shown all the same.
        const bool kept = m_password->choose(typed);
        showClass();
        if (!kept)
            lblEsito->setText(QStringLiteral(
                "Il registro non si può modificare: la password non è stata salvata."));
        return;
    }
    switch (changing ? m_password->change(typed, newPassword) : m_password->check(typed)) {
    case TeacherPassword::Check::Right:
        showClass();
        if (changing)
            lblEsito->setText(QStringLiteral("La password è cambiata."));
        return;
    case TeacherPassword::Check::Wrong:
        lblPassword->setText(m_password->secondsToWait() > 0
                ? QStringLiteral("Password sbagliata. Troppi tentativi: riprova tra %1 secondi.")
                      .arg(m_password->secondsToWait())
                : QStringLiteral("Password sbagliata. Riprova:"));
        break;
    case TeacherPassword::Check::Waiting:
        lblPassword->setText(QStringLiteral("Troppi tentativi: riprova tra %1 secondi.")
                                 .arg(m_password->secondsToWait()));
        break;
    case TeacherPassword::Check::ServerAway:
        lblPassword->setText(m_services.registerStatus().serverNotice
            + QStringLiteral(" Il registro della classe si apre quando il server risponde."));
        break;
    case TeacherPassword::Check::NotKept:
        showClass();
        lblEsito->setText(
            QStringLiteral("Il registro non si può modificare: la password non è cambiata."));
        return;
    }
    m_services.beep();
}

void FrmRegistro::showClass()
{
    fraPassword->hide();
    fraClasse->show();
    const bool usable = m_queries != nullptr;
    for (QPushButton *button : { cmdEsporta, cmdStampa, cmdElimina, cmdSvuota, cmdCambia })
        button->setVisible(usable);
    // A lab's password is the server's login: its administrator changes it.
    cmdCambia->setVisible(usable && !m_password->isOnServer());
    fillClass();
    txtCerca->setFocus();
}

void FrmRegistro::fillClass()
{
    showStatus();
    tblClasse->setSortingEnabled(false);
    tblClasse->setRowCount(0);
    showPupil();
    if (!m_queries)
        return;
    const QList<Register::PupilOverview> pupils = m_queries->classOverview();
    tblClasse->setRowCount(int(pupils.size()));
    for (int row = 0; row < int(pupils.size()); ++row) {
        const Register::PupilOverview &pupil = pupils[row];
        auto *name = new SortedCell(pupil.name, pupil.key);
        name->setData(Qt::UserRole + 1, pupil.key);
        const bool answered = pupil.lastRightPercent >= 0;
        const QList<QTableWidgetItem *> cells { name,
            new SortedCell(QString::number(pupil.sessions), pupil.sessions),
            new SortedCell(
                pupil.lastSession.toString(QStringLiteral("dd/MM/yyyy")), pupil.lastSession),
            new SortedCell(
                answered ? QStringLiteral("%1 %").arg(pupil.lastRightPercent) : QStringLiteral("—"),
                pupil.lastRightPercent),
            new SortedCell(trendArrow(pupil.trend), int(pupil.trend)),
            new SortedCell(answered ? secondsText(pupil.medianSeconds) : QStringLiteral("—"),
                pupil.medianSeconds),
            new SortedCell(hypothesesText(pupil), hypothesesText(pupil)) };
        for (int column = 0; column < int(cells.size()); ++column)
            tblClasse->setItem(row, column, cells[column]);
    }
    tblClasse->setSortingEnabled(true);
    tblClasse->resizeColumnsToContents();
    filterRows(txtCerca->text());
}

void FrmRegistro::filterRows(const QString &typed)
{
    const QString key = pupilKey(typed);
    for (int row = 0; row < tblClasse->rowCount(); ++row)
        tblClasse->setRowHidden(
            row, !tblClasse->item(row, 0)->data(Qt::UserRole + 1).toString().contains(key));
}

void FrmRegistro::showStatus()
{
    Register::Status status = m_services.registerStatus();
    if (!m_queries)
        status.state = Register::State::Off;
    else if (status.state == Register::State::NotOpened)
        status.state = m_queries->state();
    if (m_queries && status.setAsideFile.isEmpty())
        status.setAsideFile = m_queries->setAsideFile();
    lblStato->setText(status.text());
}

std::pair<QString, QString> FrmRegistro::chosenPupil() const
{
    const QList<QTableWidgetItem *> chosen = tblClasse->selectedItems();
    if (chosen.isEmpty())
        return {};
    const QTableWidgetItem *name = tblClasse->item(chosen.first()->row(), 0);
    return { name->data(Qt::UserRole + 1).toString(), name->text() };
}

void FrmRegistro::cmdEsporta_Click()
{
    const auto [key, name] = chosenPupil();
    const QString proposed =
        QDir(m_services.documentsFolder())
            .filePath(QStringLiteral("registro-%1-%2.csv")
                          .arg(key.isEmpty() ? QStringLiteral("classe") : key)
                          .arg(m_services.today().toString(QStringLiteral("yyyyMMdd"))));
    const QString path = m_services.askCsvFilePath(proposed);
    if (path.isEmpty())
        return;
    // A bar only when the export lasts longer than half a second: the whole class of a year.
    QProgressDialog bar(QStringLiteral("Esportazione del registro…"), QString(), 0,
        key.isEmpty() ? m_queries->countsOfAll().answers : m_queries->countsOf(key).answers, this);
    bar.setObjectName(QStringLiteral("barEsporta"));
    bar.setWindowTitle(Title);
    bar.setWindowModality(Qt::WindowModal);
    bar.setMinimumDuration(500);
    bar.setValue(0);
    const int rows =
        Register::exportCsv(*m_queries, key, path, [&bar](int written) { bar.setValue(written); });
    bar.reset();
    lblEsito->setText(rows < 0 ? QStringLiteral("Il file \"%1\" non si può scrivere.").arg(path)
                               : QStringLiteral("Esportate %1 risposte %2 in \"%3\".")
                                     .arg(rows)
                                     .arg(key.isEmpty() ? QStringLiteral("della classe")
                                                        : QStringLiteral("di ") + name)
                                     .arg(path));
}

void FrmRegistro::cmdElimina_Click()
{
    const auto [key, name] = chosenPupil();
    if (key.isEmpty()) {
        lblEsito->setText(QStringLiteral("Scegli prima un alunno nella tabella."));
        m_services.beep();
        return;
    }
    const int sessions = m_queries->countsOf(key).sessions;
    const QString question = sessions == 1
        ? QStringLiteral("Eliminare %1 e la sua sessione?").arg(name)
        : QStringLiteral("Eliminare %1 e le sue %2 sessioni?").arg(name).arg(sessions);
    if (m_services.messageBox(question, MsgBox::YesNoInformation, Title) != MsgAnswer::Yes)
        return;
    lblEsito->setText(m_queries->deletePupil(key)
            ? QStringLiteral("%1 è stato eliminato dal registro.").arg(name)
            : QStringLiteral("Il registro non si può modificare: %1 non è stato eliminato.")
                  .arg(name));
    forgetChosenSession();
    fillClass();
}

void FrmRegistro::cmdCambia_Click()
{
    lblEsito->clear();
    askPassword(true);
}

void FrmRegistro::cmdSvuota_Click()
{
    const Register::Counts counts = m_queries->countsOfAll();
    const QString question =
        QStringLiteral("Svuotare il registro? Si eliminano %1 alunni e %2 sessioni.")
            .arg(counts.pupils)
            .arg(counts.sessions);
    if (m_services.messageBox(question, MsgBox::YesNoInformation, Title) != MsgAnswer::Yes)
        return;
    lblEsito->setText(m_queries->emptyRegister()
            ? QStringLiteral("Il registro è vuoto.")
            : QStringLiteral("Il registro non si può modificare: non è stato svuotato."));
    forgetChosenSession();
    fillClass();
}

void FrmRegistro::forgetChosenSession()
{
    m_services.screens().close(ScreenId::StoredReport);
    m_services.screens().close(ScreenId::StoredAnalysis);
    m_chosenSession = SessionRecord();
}

void FrmRegistro::showPupil()
{
    const QString key = chosenPupil().first;
    m_days = key.isEmpty() || !m_queries ? QList<Register::DayPoint>() : m_queries->progress(key);
    m_sessions =
        key.isEmpty() || !m_queries ? QList<Register::SessionSummary>() : m_queries->sessions(key);
    if (!m_chart && !key.isEmpty()) {
        m_chart = m_services.progressChart(fraClasse);
        if (m_chart) {
            Controls::place(m_chart->widget(), 0, 2820, 5900, 2940);
            m_chart->widget()->show();
        }
    }
    if (m_chart) {
        QList<ProgressChart::Day> points;
        for (const Register::DayPoint &day : m_days)
            points.append({ day.day, day.rightPercent, day.medianSeconds });
        m_chart->setDays(points);
    }
    // The newest session first, where the teacher looks.
    tblSessioni->setRowCount(int(m_sessions.size()));
    for (int row = 0; row < int(m_sessions.size()); ++row) {
        const int index = int(m_sessions.size()) - 1 - row;
        const QStringList cells = ProgressSheet::cells(m_sessions[index]);
        for (int column = 0; column < int(cells.size()); ++column) {
            auto *cell = new QTableWidgetItem(cells[column]);
            cell->setData(Qt::UserRole, index);
            tblSessioni->setItem(row, column, cell);
        }
    }
    tblSessioni->resizeColumnsToContents();
}

bool FrmRegistro::readChosenSession()
{
    const QList<QTableWidgetItem *> chosen = tblSessioni->selectedItems();
    if (chosen.isEmpty() || !m_queries) {
        lblEsito->setText(
            QStringLiteral("Scegli prima una sessione nella tabella delle sessioni."));
        m_services.beep();
        return false;
    }
    lblEsito->clear();
    const Register::SessionSummary &session =
        m_sessions[chosen.first()->data(Qt::UserRole).toInt()];
    QList<Register::Answer> answers;
    for (const Register::StoredAnswer &stored : m_queries->answers(session.id))
        answers.append(Register::storedAnswerOf(
            stored.operation, stored.operationNumber, stored.seconds, stored.at));
    const Register::SessionStart start { chosenPupil().second, session.mode, session.rangeLevel,
        session.rangeLow, session.rangeHigh, session.started };
    m_chosenSession =
        Register::storedSession(start, answers, shortDateText(session.started.date(), QLocale()));
    Review::noteOutcome(m_chosenSession, session.reviewed, session.reviewedNowRight);
    return true;
}

void FrmRegistro::cmdOperazioni_Click()
{
    if (readChosenSession())
        m_services.screens().show(ScreenId::StoredReport);
}

void FrmRegistro::cmdAnalisi_Click()
{
    if (readChosenSession())
        m_services.screens().show(ScreenId::StoredAnalysis);
}

void FrmRegistro::cmdStampa_Click()
{
    const auto [key, name] = chosenPupil();
    if (key.isEmpty()) {
        lblEsito->setText(QStringLiteral("Scegli prima un alunno nella tabella."));
        m_services.beep();
        return;
    }
    ProgressSheet::Content content { name, m_services.shortDate(), m_days, m_sessions };
    PagePrinting::print(m_services,
        PrintPage { QStringLiteral("Progressi"), name,
            [content](PageDrawing &printer) { ProgressSheet::draw(printer, content); } });
}
