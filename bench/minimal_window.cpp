// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up measurement: a Qt program that shows one window and ends on
// Escape, nothing else.

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
class Window : public QWidget {
protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape)
            close();
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Window window;
    window.setWindowTitle(QStringLiteral("Floor window"));
    window.resize(313, 213);
    window.show();
    return app.exec();
}
