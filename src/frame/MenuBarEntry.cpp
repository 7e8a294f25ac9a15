// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/MenuBarEntry.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

QString caption(const QAction *action)
{
    return action->text().remove(QLatin1Char('&'));
}

} // namespace

MenuBarEntry::MenuBarEntry(QMenuBar *bar, QAction *action)
    : m_bar(bar), m_action(action),
      m_label(new QLabel(QStringLiteral("Menu ") + caption(action), bar))
{
    m_label->hide();
}

QAccessibleInterface *MenuBarEntry::create(const QString &className, QObject *object)
{
    auto *action = qobject_cast<QAction *>(object);
    if (className != QLatin1String("QAction") || !action || !action->menu())
        return nullptr;
    for (QObject *owner : action->associatedObjects()) {
        if (auto *bar = qobject_cast<QMenuBar *>(owner))
            return new MenuBarEntry(bar, action);
    }
    return nullptr;
}

bool MenuBarEntry::isValid() const
{
    return m_bar && m_action;
}

QObject *MenuBarEntry::object() const
{
    return m_action;
}

QWindow *MenuBarEntry::window() const
{
    return m_bar ? m_bar->window()->windowHandle() : nullptr;
}

QList<QPair<QAccessibleInterface *, QAccessible::Relation>> MenuBarEntry::relations(
    QAccessible::Relation match) const
{
    if (!(match & QAccessible::Label) || !m_label)
        return {};
    return { { QAccessible::queryAccessibleInterface(m_label), QAccessible::Label } };
}

QAccessibleInterface *MenuBarEntry::focusChild() const
{
    return nullptr;
}

QAccessibleInterface *MenuBarEntry::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface *MenuBarEntry::parent() const
{
    return QAccessible::queryAccessibleInterface(m_bar);
}

QAccessibleInterface *MenuBarEntry::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(m_action->menu()) : nullptr;
}

int MenuBarEntry::childCount() const
{
    return 1;
}

int MenuBarEntry::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == m_action->menu() ? 0 : -1;
}

QString MenuBarEntry::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return caption(m_action);
    case QAccessible::Accelerator:
        return QStringLiteral("Alt+") + caption(m_action).left(1);
    default:
        return QString();
    }
}

void MenuBarEntry::setText(QAccessible::Text, const QString &) { }

QRect MenuBarEntry::rect() const
{
    return m_bar->actionGeometry(m_action).translated(m_bar->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role MenuBarEntry::role() const
{
    return QAccessible::MenuItem;
}

QAccessible::State MenuBarEntry::state() const
{
    QAccessible::State state;
    state.invisible = !m_bar->isVisible() || !m_action->isVisible();
    state.focused = m_bar->activeAction() == m_action;
    state.disabled = !m_action->isEnabled();
    state.hasPopup = true;
    return state;
}

void *MenuBarEntry::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                : nullptr;
}

QStringList MenuBarEntry::actionNames() const
{
    return { showMenuAction() };
}

void MenuBarEntry::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() || !m_action->isEnabled())
        return;
    if (m_action->menu()->isVisible())
        m_action->menu()->hide();
    else
        m_bar->setActiveAction(m_action);
}

QStringList MenuBarEntry::keyBindingsForAction(const QString &) const
{
    return {};
}
