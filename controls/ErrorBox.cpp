// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorBox.h"

#include "Error.h"
#include "MessageBoxes.h"

#include <QApplication>

QString ErrorBox::textOf(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ErrorBox::show(const QString& message) {
    MessageBoxes::show(QApplication::activeWindow(), MessageKind::Error,
                       QApplication::applicationName(), textOf(message));
}

namespace {

bool runShowing(const std::function<void()>& action,
                const std::function<void(const QString&)>& showError) {
    try {
        action();
        return true;
    } catch (const TerravaError& e) {
        showError(e.message());
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace

bool ErrorBox::run(const std::function<void()>& action) {
    return runShowing(action, &ErrorBox::show);
}

void ErrorBox::showLater(const QString& message) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        show(message);
        return;
    }
    QMetaObject::invokeMethod(
        app, [message] { show(message); }, Qt::QueuedConnection);
}

bool ErrorBox::runReportingLater(const std::function<void()>& action) {
    return runShowing(action, &ErrorBox::showLater);
}
