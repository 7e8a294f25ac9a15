// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/ColumnWorkingView.h"

#include <QPainter>

ColumnWorkingView::ColumnWorkingView(
    QWidget *parent, const QString &name, const ColumnWorking::Inks &inks)
    : QWidget(parent), m_inks(inks)
{
    setObjectName(name);
    setAccessibleName(QStringLiteral("Soluzione in colonna"));
}

void ColumnWorkingView::showWorking(int minuend, int subtrahend, int askedTerm)
{
    m_form = ColumnForm::worked(minuend, subtrahend, askedTerm);
    setAccessibleDescription(ColumnForm::words(minuend, subtrahend, askedTerm));
    update();
}

void ColumnWorkingView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    ColumnWorking::paint(painter, QRectF(rect()), m_form, m_inks);
}
