// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

// The one place where errors that leave an event handler are caught: the error is shown in
// the application's error box (caption the application title, stop icon, one OK button) and
// the program carries on. Qt does not let exceptions pass through its own frames, so every
// handler is connected through Guarded.
namespace ErrorBox {

// The text shown for an error message: a "." is appended when its last character sorts after
// ".".
QString textOf(const QString& message);

// Shows the box for an error message.
void show(const QString& message);

// Runs action and shows any error that leaves it. Returns false when it failed.
bool run(const std::function<void()>& action);

// Shows the box for an error message once control is back in the event loop, after the
// handler that raised the error has returned.
void showLater(const QString& message);

// As run, but the box comes after the caller has returned: for the handler of a timer, which
// Qt does not fire again while that handler runs, so that the clock keeps going while the box
// is open, as it does during any other message.
bool runReportingLater(const std::function<void()>& action);

} // namespace ErrorBox

// Wraps a handler so that errors leaving it are shown instead of escaping into Qt.
template <typename F> auto Guarded(F handler) {
    return [handler](auto&&... args) {
        ErrorBox::run([&] { handler(std::forward<decltype(args)>(args)...); });
    };
}
