// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActiveForm.h"

#include <QPointer>
#include <QWidget>

QWidget* ActiveForm::activate(QWidget* form) {
    static QPointer<QWidget> active;
    QWidget* before = active;
    active = form;
    return before;
}
