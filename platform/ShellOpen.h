// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// Opens a document with the viewer the desktop associates with it; the result is not reported.
// Tests put a handler in place of the desktop.
namespace ShellOpen {
void open(const QString& path);
void setHandler(std::function<void(const QString&)> handler);
} // namespace ShellOpen
