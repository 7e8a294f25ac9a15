// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "start/FrmInizio.h"

#include "core/SessionRecord.h"
#include "core/StartChoices.h"
#include "frame/Colour.h"
#include "frame/Controls.h"
#include "frame/KeyPressFilter.h"
#include "frame/Launcher.h"
#include "frame/Messages.h"
#include "frame/ScreenRegistry.h"
#include "frame/SpokenLabel.h"
#include "start/MeasuresLoad.h"
#include "start/NameField.h"
#include "start/TodayEntry.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <memory>

namespace {

const QColor LightGreen = Colour::rgb(192, 255, 192);
const QColor DarkRed = Colour::rgb(192, 0, 0);
const QColor PaleCyan = Colour::rgb(128, 255, 255);

// The program's name is longer than the title box was drawn for: the title keeps its size
// where it fits and shrinks only as far as it must.
void fitFontToWidth(QLabel *label)
{
    QFont font = label->font();
    const int room = label->width() - 2 * label->margin() - 4;
    while (font.pointSizeF() > 8.0 && QFontMetrics(font).horizontalAdvance(label->text()) > room)
        font.setPointSizeF(font.pointSizeF() - 1.0);
    label->setFont(font);
}

QPushButton *rangeButton(QWidget *panel, const QString &name, int button, int left, int top)
{
    QPushButton *result = Controls::button(
        panel, name, StartChoices::ranges().at(button - 1).caption, Controls::arial(9.75, true));
    Controls::setBackground(result, Colour::rgb(255, 255, 128));
    Controls::place(result, left, top, 3090, 705);
    return result;
}

} // namespace

FrmInizio::FrmInizio(SessionRecord &session, ScreenRegistry &screens, Messages &messages,
    Launcher &launcher, RegisterReading &reading, Clock &clock)
    : m_session(session), m_screens(screens), m_messages(messages), m_launcher(launcher)
{
    setObjectName(QStringLiteral("FrmInizio"));
    useFixedDialogFrame();
    setClientColour(LightGreen);

    buildMenus();
    buildTitle();
    Combo1 = new QComboBox(client());
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(false);
    Combo1->setFont(Controls::arial(18));
    Combo1->setAccessibleName(QStringLiteral("Tipo di esercizio"));
    new SpokenLabel(Combo1, QStringLiteral("Tipo di esercizio"));
    connect(Combo1, &QComboBox::currentIndexChanged, this, &FrmInizio::Combo1_Change);
    Controls::setBackground(Combo1, Colour::rgb(255, 255, 192));
    // The list's height follows from its font.
    Controls::place(Combo1, 195, 2070, 11385, 0);
    Combo1->resize(Combo1->width(), Combo1->sizeHint().height());
    buildCredits();
    buildRangePanel();
    m_today = new TodayEntry(client(), { session, screens, reading, clock });
    m_measures = new MeasuresLoad(this, session, screens);
    buildNamePanel(); // last, so that it lies over the range panel
    setUpTabOrder();

    setClientSize(11880, 8310);
    Form_Load();
    centreOnScreen();
    txtNome->setFocus();
}

void FrmInizio::buildMenus()
{
    mnuFile = addMenuOpenedByAlt(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuEsci = mnuFile->addAction(QStringLiteral("Esci"));
    mnuEsci->setObjectName(QStringLiteral("mnuEsci"));
    mnuInfo = menuBar()->addAction(QStringLiteral("?"));
    mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
    mnuValutazione = menuBar()->addAction(QStringLiteral("Scala di valutazione"));
    mnuValutazione->setObjectName(QStringLiteral("mnuValutazione"));
    mnuRegistro = menuBar()->addAction(QStringLiteral("Registro"));
    mnuRegistro->setObjectName(QStringLiteral("mnuRegistro"));

    connect(mnuEsci, &QAction::triggered, this, &FrmInizio::mnuEsci_Click);
    connect(mnuInfo, &QAction::triggered, this, &FrmInizio::mnuInfo_Click);
    connect(mnuValutazione, &QAction::triggered, this, &FrmInizio::mnuValutazione_Click);
    connect(mnuRegistro, &QAction::triggered, this, [this] { m_screens.show(ScreenId::Register); });
}

void FrmInizio::buildTitle()
{
    frmTitolo = Controls::panel(client(), QStringLiteral("frmTitolo"), LightGreen);
    Controls::place(frmTitolo, 30, 90, 11745, 1845);

    Shape1 = Controls::panel(frmTitolo, QStringLiteral("Shape1"), Colour::rgb(0, 192, 192));
    Controls::place(Shape1, 90, 90, 11655, 1515);
    Shape2 = Controls::panel(frmTitolo, QStringLiteral("Shape2"), PaleCyan);
    Controls::place(Shape2, 120, 60, 11595, 1515);

    Label5 =
        Controls::label(frmTitolo, QStringLiteral("Label5"), QString(), Controls::arial(48, true));
    Controls::setBackground(Label5, Colour::rgb(0, 255, 255));
    Controls::setTextColour(Label5, DarkRed);
    Label5->setAlignment(Qt::AlignCenter);
    Controls::place(Label5, 720, 270, 7950, 1095);

    Label9 = Controls::label(frmTitolo, QStringLiteral("Label9"),
        QStringLiteral("Attività di controllo     Stampa operazioni Stampa valutazione"),
        Controls::arial(14.25));
    Controls::setTextColour(Label9, DarkRed);
    Label9->setWordWrap(true);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Controls::place(Label9, 8910, 420, 2685, 960);
}

void FrmInizio::buildRangePanel()
{
    Frame1 = Controls::panel(client(), QStringLiteral("Frame1"), LightGreen);
    Controls::place(Frame1, 5010, 3030, 6750, 4530);
    // Out of reach of Tab and Space as well as of the mouse until a name is accepted.
    Frame1->setEnabled(false);

    Command1 = rangeButton(Frame1, QStringLiteral("Command1"), 1, 120, 255);
    Command2 = rangeButton(Frame1, QStringLiteral("Command2"), 2, 90, 1530);
    Command3 = rangeButton(Frame1, QStringLiteral("Command3"), 3, 75, 2640);
    Command4 = rangeButton(Frame1, QStringLiteral("Command4"), 4, 3450, 270);
    Command5 = rangeButton(Frame1, QStringLiteral("Command5"), 5, 3495, 1485);
    Command6 = rangeButton(Frame1, QStringLiteral("Command6"), 6, 3435, 2730);

    Command9 = Controls::button(
        Frame1, QStringLiteral("Command9"), QStringLiteral("E S C I"), Controls::arial(9.75, true));
    Controls::setBackground(Command9, Colour::rgb(255, 224, 192));
    Controls::place(Command9, 90, 3660, 6435, 495);

    connect(Command1, &QPushButton::clicked, this, &FrmInizio::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmInizio::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmInizio::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &FrmInizio::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &FrmInizio::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &FrmInizio::Command6_Click);
    connect(Command9, &QPushButton::clicked, this, &FrmInizio::Command9_Click);
}

void FrmInizio::buildNamePanel()
{
    const QColor pink = Colour::rgb(255, 192, 255);
    Frame2 = Controls::panel(client(), QStringLiteral("Frame2"), pink);
    Controls::place(Frame2, 4995, 3135, 6720, 4500);

    Label4 = Controls::label(Frame2, QStringLiteral("Label4"),
        QStringLiteral("   IMMETTI   IL  TUO  NOME"), Controls::arial(14.25, true));
    Controls::setTextColour(Label4, DarkRed);
    Label4->setAlignment(Qt::AlignCenter);
    Controls::place(Label4, 720, 195, 4950, 465);

    txtNome = new NameField(StartChoices::NameMaxLength, Frame2);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    txtNome->setFont(Controls::arial(21.75, true));
    txtNome->setAlignment(Qt::AlignCenter);
    txtNome->setAccessibleName(QStringLiteral("Nome"));
    Controls::setBackground(txtNome, pink);
    Controls::setTextColour(txtNome, DarkRed);
    Controls::place(txtNome, 240, 855, 5940, 690);

    Label7 = Controls::label(Frame2, QStringLiteral("Label7"),
        QStringLiteral("Il nome viene troncato automaticamente alla 15a lettera"),
        Controls::sansSerif(8.25));
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Controls::place(Label7, 255, 1530, 5925, 300);

    Label3 = Controls::label(Frame2, QStringLiteral("Label3"),
        QStringLiteral("Presta attenzione all'ortografia"), Controls::sansSerif(8.25));
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Controls::place(Label3, 270, 1740, 5925, 300);

    Label8 = Controls::label(
        Frame2, QStringLiteral("Label8"), QStringLiteral("Buon lavoro"), Controls::arial(24));
    Controls::setTextColour(Label8, Colour::rgb(128, 0, 128));
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Controls::place(Label8, 1395, 2040, 3825, 480);

    cmdAvanti = Controls::button(Frame2, QStringLiteral("cmdAvanti"), QStringLiteral("AVANTI"),
        Controls::arial(21.75, true));
    Controls::setBackground(cmdAvanti, Colour::rgb(255, 255, 0));
    Controls::place(cmdAvanti, 2010, 2700, 2700, 675);

    cmdFine = Controls::button(
        Frame2, QStringLiteral("cmdFine"), QStringLiteral("E S C I"), Controls::arial(21.75, true));
    Controls::setBackground(cmdFine, Colour::rgb(255, 128, 255));
    Controls::place(cmdFine, 300, 3825, 6210, 510);

    new KeyPressFilter(txtNome, [this](int &KeyAscii) { TxtNome_KeyPress(KeyAscii); });
    connect(txtNome, &NameField::digitsRefused, this, [this] { m_messages.beep(); });
    connect(cmdAvanti, &QPushButton::clicked, this, &FrmInizio::cmdAvanti_Click);
    connect(cmdFine, &QPushButton::clicked, this, &FrmInizio::cmdFine_Click);
}

void FrmInizio::buildCredits()
{
    Label6 = Controls::label(client(), QStringLiteral("Label6"),
        QStringLiteral("Ideazione, progettazione e realizzazione"), Controls::arial(18, true));
    Controls::setBackground(Label6, PaleCyan);
    Controls::setTextColour(Label6, Qt::black);
    Controls::place(Label6, 510, 7710, 11265, 495);

    Label1 = Controls::label(
        client(), QStringLiteral("Label1"), programTitle(), Controls::arial(18, true));
    Controls::setBackground(Label1, PaleCyan);
    Controls::setTextColour(Label1, DarkRed);
    Controls::place(Label1, 7680, 7740, 3945, 435);
}

void FrmInizio::setUpTabOrder()
{
    // The focus goes round: name, mode list, range buttons and today's practice, then the name
    // panel's buttons.
    const QList<QWidget *> order { txtNome, Combo1, Command1, Command2, Command3, Command4,
        Command5, Command6, m_today->button(), Command9, cmdAvanti, cmdFine };
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void FrmInizio::Form_Load()
{
    for (const StartChoices::Mode &mode : StartChoices::modes())
        Combo1->addItem(mode.listText);
    Combo1->setCurrentIndex(0);

    Label5->setText(programTitle());
    fitFontToWidth(Label5);
    setWindowTitle(programTitle());
}

// --- The pupil's name -----------------------------------------------------------------------

void FrmInizio::TxtNome_KeyPress(int &KeyAscii)
{
    if (KeyAscii > 0 && QChar(KeyAscii).isDigit()) {
        m_messages.beep();
        KeyAscii = 0;
    }
    if (KeyAscii == 13)
        nameCheck();
}

void FrmInizio::nameCheck()
{
    if (StartChoices::isMissingName(txtNome->text())) {
        askForName();
        return;
    }
    acceptName();
}

void FrmInizio::cmdAvanti_Click()
{
    nameCheck();
}

void FrmInizio::askForName()
{
    m_messages.messageBox(
        QStringLiteral("Introduci il nome"), MsgBox::OkOnly, QStringLiteral("distrazione"));
    txtNome->setFocus();
}

void FrmInizio::acceptName()
{
    m_session.PupilName = txtNome->text();
    Frame2->hide();
    Frame1->setEnabled(true);
    m_today->offer();
    m_measures->load(m_today->reader());
    // Said once, with the first range button: what starts the exercise, and where the type is.
    Command1->setAccessibleDescription(QStringLiteral(
        "Scegli il numero massimo e premi Invio per cominciare l'esercizio. Con Maiusc+Tab scegli "
        "prima il tipo di esercizio."));
    // The button itself, not this screen, is captured: focus also changes while the screen is
    // being destroyed, after its own members are gone.
    auto once = std::make_shared<QMetaObject::Connection>();
    QPushButton *first = Command1;
    *once = connect(qApp, &QApplication::focusChanged, first, [first, once](QWidget *old) {
        if (old != first)
            return;
        first->setAccessibleDescription(QString());
        disconnect(*once);
    });
    Command1->setFocus();
}

// --- Mode and range -------------------------------------------------------------------------

// Orca reads nothing when the arrow keys change the closed list (Qt offers it no selection to
// read): the focus is reported on the list's new entry, which Orca then reads by its name. The
// real focus stays on the list.
void FrmInizio::Combo1_Change(int index)
{
    // The list's value, read after its label and role when it takes the focus.
    Combo1->setAccessibleDescription(Combo1->currentText());
    if (!Combo1->hasFocus() || Combo1->view()->isVisible() || index < 0)
        return;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(Combo1->view());
    QAccessibleTableInterface *rows = list ? list->tableInterface() : nullptr;
    if (QAccessibleInterface *entry = rows ? rows->cellAt(index, 0) : nullptr) {
        QAccessibleEvent focus(entry, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void FrmInizio::Command1_Click()
{
    chooseRange(1);
}

void FrmInizio::Command2_Click()
{
    chooseRange(2);
}

void FrmInizio::Command3_Click()
{
    chooseRange(3);
}

void FrmInizio::Command4_Click()
{
    chooseRange(4);
}

void FrmInizio::Command5_Click()
{
    chooseRange(5);
}

void FrmInizio::Command6_Click()
{
    chooseRange(6);
}

void FrmInizio::chooseRange(int button)
{
    const StartChoices::Range &range = StartChoices::ranges().at(button - 1);
    m_session.RangeLow = range.low;
    m_session.RangeHigh = range.high;
    m_session.RangeLevel = button;
    Smistamento();
}

void FrmInizio::Smistamento()
{
    const int position = qBound(0, Combo1->currentIndex(), StartChoices::ModeCount - 1);
    const StartChoices::Mode &mode = StartChoices::modes().at(position);
    // All of the mode is stored before the exercise screen may be created below, so that its
    // first operation is already drawn for this mode and it colours itself for it.
    m_session.AskedTermLow = mode.askedTermLow;
    m_session.AskedTermHigh = mode.askedTermHigh;
    m_session.ModeCaption = mode.caption;
    switch (position) {
    case 0:
        propriet1();
        break;
    case 1:
        propriet2();
        break;
    default:
        propriet3();
        break;
    }
    m_screens.show(ScreenId::Exercise);
}

void FrmInizio::propriet1()
{
    setUpMode(StartChoices::modes().at(0));
}

void FrmInizio::propriet2()
{
    setUpMode(StartChoices::modes().at(1));
}

void FrmInizio::propriet3()
{
    setUpMode(StartChoices::modes().at(2));
}

void FrmInizio::setUpMode(const StartChoices::Mode &mode)
{
    m_session.ModeScreenColour = QString::number(mode.screenColour);
    m_session.ModeColour = QString::number(mode.buttonColour);
}

// --- Menus and exits ------------------------------------------------------------------------

void FrmInizio::mnuInfo_Click()
{
#ifdef Q_OS_WIN
    const QString program = m_launcher.programFolder() + QStringLiteral("/www.exe");
#else
    const QString program = m_launcher.programFolder() + QStringLiteral("/www");
#endif
    if (!m_launcher.startProgram(program))
        m_messages.messageBox(QStringLiteral("File mancante"), MsgBox::OkOnly, programTitle());
}

void FrmInizio::mnuValutazione_Click()
{
    m_screens.show(ScreenId::Scale);
}

void FrmInizio::cmdFine_Click()
{
    exits();
}

void FrmInizio::Command9_Click()
{
    exits();
}

void FrmInizio::mnuEsci_Click()
{
    exits();
}

void FrmInizio::onClose()
{
    // Closing the window by any means is an exit too; the screen itself is already closing.
    m_screens.close(ScreenId::Background);
}

void FrmInizio::exits()
{
    m_screens.close(ScreenId::Background);
    close();
}
