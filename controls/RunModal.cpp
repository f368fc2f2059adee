// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunModal.h"

#include "KeepRestored.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

int RunModal(QDialog& dialog) {
    QWidget* over = dialog.parentWidget() ? dialog.parentWidget() : QApplication::activeWindow();
    const QPointer<QWidget> returnTo = over ? over->window() : nullptr;
    KeepRestored(&dialog);
    const int result = dialog.exec();
    // Once the code after the dialog has run: a box it opens at once keeps the activation.
    if (returnTo)
        QTimer::singleShot(0, returnTo, [returnTo] {
            if (returnTo->isVisible() && !returnTo->isActiveWindow() &&
                !QApplication::activeModalWidget())
                returnTo->activateWindow();
        });
    return result;
}
