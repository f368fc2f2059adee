// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QVariant>

// The accessible name the layout gives a widget; the first call keeps it in the property
// "accessibleCaption", so that the name can change with the game's state and come back.
inline QString LayoutCaption(QWidget* widget) {
    QVariant caption = widget->property("accessibleCaption");
    if (!caption.isValid()) {
        caption = widget->accessibleName();
        widget->setProperty("accessibleCaption", caption);
    }
    return caption.toString();
}

// A label that shows the game's state is named "<what it shows>: <its text>", so that a screen
// reader announces each change together with its meaning. <what it shows> is the accessible
// name the layout gives the label. Labels without an accessible name are left alone: their
// text is their name.
inline void UpdateAccessibleCaption(QLabel* label) {
    const QString what = LayoutCaption(label);
    if (what.isEmpty())
        return;
    const QString text = label->text();
    label->setAccessibleName(text.isEmpty() ? what : what + QStringLiteral(": ") + text);
}

// While a town is to be found a map is named with it, "Map of the nation, find Mestre": coming
// to a map, a screen reader reads the map's name, not a label elsewhere on the page.
inline void NameTownToFind(QWidget* map, const QString& town) {
    const QString what = LayoutCaption(map);
    map->setAccessibleName(
        town.isEmpty()
            ? what
            : QCoreApplication::translate("AccessibleCaption", "%1, find %2").arg(what, town));
}
