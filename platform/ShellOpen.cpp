// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
std::function<void(const QString&)>& handler() {
    static std::function<void(const QString&)> h;
    return h;
}
} // namespace

void ShellOpen::open(const QString& path) {
    if (handler()) {
        handler()(path);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void ShellOpen::setHandler(std::function<void(const QString&)> h) {
    handler() = std::move(h);
}
