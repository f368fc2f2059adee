// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeepRestored.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

class Restorer : public QObject {
public:
    explicit Restorer(QWidget* window) : QObject(window), window(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window && event->type() == QEvent::WindowStateChange && minimised())
            // Restored once the window manager has finished minimising it.
            QTimer::singleShot(0, this, [this] {
                if (minimised()) {
                    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
                    window->activateWindow();
                }
            });
        return false;
    }

private:
    bool minimised() const {
        return window->isVisible() && (window->windowState() & Qt::WindowMinimized);
    }

    QWidget* window;
};

} // namespace

void KeepRestored(QWidget* window) {
    new Restorer(window);
}
