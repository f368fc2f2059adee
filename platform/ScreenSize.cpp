#include "ScreenSize.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QSize& overrideSize() {
    static QSize size;
    return size;
}
} // namespace

QSize PrimaryScreenSize() {
    if (overrideSize().isValid())
        return overrideSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(800, 600);
}

void setPrimaryScreenSizeOverride(QSize size) {
    overrideSize() = size;
}
