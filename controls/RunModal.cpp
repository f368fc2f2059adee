// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunModal.h"

#include "KeepRestored.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

int RunModal(QDialog& dialog) {
    QWidget* over = dialog.parentWidget() ? dialog.parentWidget() : QApplication::activeWindow();
    const QPointer<QWidget> returnTo = over ? over->window() : nullptr;
    KeepRestored(&dialog);
    const int result = dialog.exec();
    if (returnTo && returnTo->isVisible() && !returnTo->isActiveWindow())
        returnTo->activateWindow();
    return result;
}
