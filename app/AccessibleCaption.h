// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QVariant>

// A label that shows the game's state is named "<what it shows>: <its text>", so that a screen
// reader announces each change together with its meaning. <what it shows> is the accessible
// name the layout gives the label; the first call keeps it in the property "accessibleCaption".
// Labels without an accessible name are left alone: their text is their name.
inline void UpdateAccessibleCaption(QLabel* label) {
    QVariant caption = label->property("accessibleCaption");
    if (!caption.isValid()) {
        caption = label->accessibleName();
        label->setProperty("accessibleCaption", caption);
    }
    const QString what = caption.toString();
    if (what.isEmpty())
        return;
    const QString text = label->text();
    label->setAccessibleName(text.isEmpty() ? what : what + QStringLiteral(": ") + text);
}
