// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QWidget>
#include <QWindow>

// One selectable item of a widget that draws its items itself (a tab of the page control, a
// place of a map), as assistive technology sees it: no object and no children of its own, a
// child of its widget, and focused while it is the selected item and the widget has the focus.
class ItemAccessible : public QAccessibleInterface {
public:
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return owner() ? owner()->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return owner() ? QAccessible::queryAccessibleInterface(owner()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        s.selected = isSelected();
        s.focused = s.selected && owner()->hasFocus();
        s.invisible = !owner()->isVisible();
        return s;
    }

protected:
    // The widget that draws the item; null once it is gone.
    virtual QWidget* owner() const = 0;
    virtual bool isSelected() const = 0;
};
