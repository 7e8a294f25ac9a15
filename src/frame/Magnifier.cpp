// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/Magnifier.h"

#include <QApplication>
#include <QChildEvent>
#include <QEvent>
#include <QWidget>
#include <cmath>

namespace {

const char *const FactorProperty = "magnification";

int scaled(int pixels, double factor)
{
    return static_cast<int>(std::lround(pixels * factor));
}

QRect scaled(const QRect &rect, double factor)
{
    return QRect(scaled(rect.x(), factor), scaled(rect.y(), factor), scaled(rect.width(), factor),
        scaled(rect.height(), factor));
}

QFont scaled(QFont font, double factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(scaled(font.pixelSize(), factor));
    return font;
}

// White on black, a yellow selection; what is disabled stays told apart in grey.
QPalette contrasted(QPalette palette)
{
    for (const auto role :
        { QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase })
        palette.setColor(role, Qt::black);
    for (const auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
             QPalette::BrightText, QPalette::PlaceholderText }) {
        palette.setColor(role, Qt::white);
        palette.setColor(QPalette::Disabled, role, Qt::gray);
    }
    palette.setColor(QPalette::Highlight, Qt::yellow);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

// A component the screen changed since it was shown here is the screen's new value.
int taken(int now, int shown, int given)
{
    return now == shown ? given : now;
}

} // namespace

Magnifier::Magnifier(QWidget *client)
    : QObject(client), m_client(client), m_clientSize(client->size()),
      m_clientFilled(client->autoFillBackground()),
      m_clientPalette(client->testAttribute(Qt::WA_SetPalette) ? client->palette() : QPalette())
{
    m_client->installEventFilter(this);
}

double Magnifier::factorOf(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant factor = widget->property(FactorProperty);
        if (factor.isValid())
            return factor.toDouble();
    }
    return 1.0;
}

void Magnifier::apply(double factor, bool contrast)
{
    const bool contrastEnds = m_contrast && !contrast;
    m_factor = factor;
    m_contrast = contrast;
    m_applying = true;
    m_client->setProperty(FactorProperty, factor);
    m_client->setFixedSize(
        scaled(m_clientSize.width(), factor), scaled(m_clientSize.height(), factor));
    // What inherits its font grows with the client area's.
    m_client->setFont(factor == 1.0 ? QFont() : scaled(QApplication::font(m_client), factor));
    // The window's own colour shows through a client area that does not fill itself.
    if (contrast) {
        m_client->setPalette(contrasted(m_client->palette()));
        m_client->setAutoFillBackground(true);
    } else if (contrastEnds) {
        m_client->setPalette(m_clientPalette);
        m_client->setAutoFillBackground(m_clientFilled);
    }
    m_applying = false;
    const auto children = m_client->findChildren<QWidget *>();
    for (QWidget *child : children)
        track(child);
    for (auto given = m_given.begin(); given != m_given.end(); ++given) {
        if (contrastEnds)
            given.key()->setPalette(given->palette);
        show(given.key());
    }
}

void Magnifier::track(QWidget *widget)
{
    if (widget->isWindow() || m_given.contains(widget))
        return;
    Given given;
    given.geometry = given.shown = widget->geometry();
    given.ownFont = widget->testAttribute(Qt::WA_SetFont);
    given.font = given.shownFont = widget->font();
    given.palette = widget->testAttribute(Qt::WA_SetPalette) ? widget->palette() : QPalette();
    given.shownPalette = widget->palette();
    m_given.insert(widget, given);
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this, widget] { m_given.remove(widget); });
}

void Magnifier::takeGeometry(QWidget *widget, Given &given) const
{
    const QRect now = widget->geometry();
    if (now == given.shown)
        return;
    given.geometry = QRect(taken(now.x(), given.shown.x(), given.geometry.x()),
        taken(now.y(), given.shown.y(), given.geometry.y()),
        taken(now.width(), given.shown.width(), given.geometry.width()),
        taken(now.height(), given.shown.height(), given.geometry.height()));
}

void Magnifier::show(QWidget *widget)
{
    Given &given = m_given[widget];
    takeGeometry(widget, given);
    m_applying = true;
    given.shown = scaled(given.geometry, m_factor);
    widget->setGeometry(given.shown);
    if (given.ownFont) {
        widget->setFont(scaled(given.font, m_factor));
        given.shownFont = widget->font();
    }
    if (m_contrast) {
        widget->setPalette(contrasted(widget->palette()));
        given.shownPalette = widget->palette();
    }
    m_applying = false;
}

bool Magnifier::eventFilter(QObject *watched, QEvent *event)
{
    if (m_applying || (m_factor == 1.0 && !m_contrast))
        return false;
    if (event->type() == QEvent::ChildPolished) {
        auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child());
        if (child && !child->isWindow() && !m_given.contains(child)) {
            track(child);
            for (QWidget *grandchild : child->findChildren<QWidget *>())
                track(grandchild);
            show(child);
            for (QWidget *grandchild : child->findChildren<QWidget *>())
                show(grandchild);
        }
        return false;
    }
    // The screen may colour its client area anew: it stays in contrast.
    if (watched == m_client && event->type() == QEvent::PaletteChange && m_contrast) {
        const QPalette contrast = contrasted(m_client->palette());
        if (m_client->palette() != contrast) {
            m_applying = true;
            m_client->setPalette(contrast);
            m_applying = false;
        }
        return false;
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    const auto given = m_given.find(widget);
    if (given == m_given.end())
        return false;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (widget->geometry() != given->shown)
            show(widget);
        break;
    case QEvent::FontChange:
        if (widget->testAttribute(Qt::WA_SetFont) && widget->font() != given->shownFont) {
            given->font = widget->font();
            given->ownFont = true;
            show(widget);
        }
        break;
    case QEvent::PaletteChange:
        if (m_contrast && widget->palette() != given->shownPalette) {
            // What the screen changed is its own colour, kept for the day contrast ends.
            const QPalette now = widget->palette();
            for (int group = 0; group < QPalette::NColorGroups; ++group)
                for (int role = 0; role < QPalette::NColorRoles; ++role) {
                    const auto g = static_cast<QPalette::ColorGroup>(group);
                    const auto r = static_cast<QPalette::ColorRole>(role);
                    if (now.brush(g, r) != given->shownPalette.brush(g, r))
                        given->palette.setBrush(g, r, now.brush(g, r));
                }
            show(widget);
        }
        break;
    default:
        break;
    }
    return false;
}
