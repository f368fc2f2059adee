// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {
MessageBoxes::Handler& currentHandler() {
    static MessageBoxes::Handler handler;
    return handler;
}

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}
} // namespace

QString MessageBoxes::standardCaption(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QCoreApplication::translate("MessageBoxes", "Information");
    case MessageKind::Warning:
        return QCoreApplication::translate("MessageBoxes", "Warning");
    case MessageKind::Error:
        return QCoreApplication::translate("MessageBoxes", "Error");
    }
    return {};
}

void MessageBoxes::show(QWidget* parent, MessageKind kind, const QString& caption,
                        const QString& text) {
    if (currentHandler()) {
        currentHandler()(MessageRequest{kind, caption, text});
        return;
    }
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(iconOf(kind), caption, shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MessageBoxes::show(QWidget* parent, MessageKind kind, const QString& text) {
    show(parent, kind, standardCaption(kind), text);
}

void MessageBoxes::setHandler(Handler handler) {
    currentHandler() = std::move(handler);
}
