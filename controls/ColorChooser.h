// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

// The colour chooser: opens on its own colour, black at first and afterwards the last colour
// confirmed in it. Execute returns true when the player confirms.
class TColorDialog {
public:
    bool Execute(QWidget* parent);
    QColor Color() const { return color; }
    void setColor(const QColor& value) { color = value; }

private:
    QColor color = Qt::black;
};
