// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the program. Handlers let it pass; the event loop's catch shows its
// message in the "Terrava" error box and the program carries on.
class TerravaError : public std::runtime_error {
public:
    explicit TerravaError(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    const QString& message() const { return text; }

private:
    QString text;
};
