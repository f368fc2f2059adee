// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

enum class MessageKind { Information, Warning, Error };

struct MessageRequest {
    MessageKind kind;
    QString caption;
    QString text; // as the program wrote it; a carriage return is a line break
};

// Every modal message of the program goes through here, so that tests can see what would be
// shown and answer it. Without a handler a real QMessageBox with one OK button is run; its own
// event loop keeps timers and painting alive while it waits.
namespace MessageBoxes {

using Handler = std::function<void(const MessageRequest&)>;

void show(QWidget* parent, MessageKind kind, const QString& caption, const QString& text);

// Shows with the standard caption of the kind: "Information", "Warning" or "Error".
void show(QWidget* parent, MessageKind kind, const QString& text);

QString standardCaption(MessageKind kind);

// Installs a handler in place of the real boxes; an empty handler restores them.
void setHandler(Handler handler);

} // namespace MessageBoxes
