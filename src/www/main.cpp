// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The program's information window, in Italian, for the teacher or the parent who sets the
// pupil to work: what the drill does, its modes and ranges, how a session goes, the marks and
// what to do with the certificate.

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QString infoText()
{
    QFile file(QStringLiteral(":/www/info.html"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("www"));

    QWidget window;
    window.setObjectName(QStringLiteral("frmInformazioni"));
    window.setWindowTitle(QStringLiteral("VOVORUDOROZ.1 - Informazioni per insegnanti e genitori"));
    window.resize(760, 620);

    auto *text = new QTextBrowser(&window);
    text->setObjectName(QStringLiteral("txtInformazioni"));
    text->setOpenLinks(false);
    text->setHtml(infoText());
    text->setAccessibleName(QStringLiteral("Informazioni sul programma"));

    auto *buttons = new QDialogButtonBox(&window);
    QPushButton *close = buttons->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdChiudi"));
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);

    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(text);
    layout->addWidget(buttons);

    window.show();
    close->setFocus();
    return QApplication::exec();
}
