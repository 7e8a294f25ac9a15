// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QLabel;
class QMenuBar;

// A menu bar entry that opens a menu, as a screen reader meets it. Qt reports such an entry as a
// plain menu item, which Orca reads by its caption alone ("File."); here it is also labelled
// "Menu File", which Orca reads first, so that the pupil knows a menu opens there. Everything
// else reads as Qt's own entries do.
class MenuBarEntry : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    MenuBarEntry(QMenuBar *bar, QAction *action);

    // For QAccessible::installFactory: an entry of a menu bar that opens a menu, nothing else.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<QMenuBar> m_bar;
    QPointer<QAction> m_action;
    QPointer<QLabel> m_label;
};
