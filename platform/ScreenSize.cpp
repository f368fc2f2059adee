// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenSize.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
struct Override {
    QSize size;
    QRect available;
};
Override& screenOverride() {
    static Override value;
    return value;
}
} // namespace

QSize PrimaryScreenSize() {
    if (screenOverride().size.isValid())
        return screenOverride().size;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(800, 600);
}

QRect PrimaryScreenAvailableGeometry() {
    if (screenOverride().size.isValid())
        return screenOverride().available;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

void setPrimaryScreenSizeOverride(QSize size) {
    setPrimaryScreenOverride(size, QRect(QPoint(0, 0), size));
}

void setPrimaryScreenOverride(QSize size, QRect available) {
    screenOverride() = {size, available};
}
