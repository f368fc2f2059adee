// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"

#include "RunModal.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QStyle>

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

// Room for the caption on the window manager's title bar, which lays it out in a font of its
// own, commonly bold and a little larger than the window's, beside an icon and a close button.
int widthForCaption(const QMessageBox& box) {
    QFont font = box.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    const int bar = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return QFontMetrics(font).horizontalAdvance(box.windowTitle()) + 4 * std::max(bar, 24);
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
    // A close button only: the box can be neither minimised nor maximised.
    box.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(widthForCaption(box), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    // A box of fixed size is one the window manager does not offer to maximise.
    box.layout()->setSizeConstraint(QLayout::SetFixedSize);
    RunModal(box);
}

void MessageBoxes::show(QWidget* parent, MessageKind kind, const QString& text) {
    show(parent, kind, standardCaption(kind), text);
}

void MessageBoxes::setHandler(Handler handler) {
    currentHandler() = std::move(handler);
}
