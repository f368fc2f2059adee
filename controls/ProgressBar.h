// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProgressBar>

// A progress bar whose position is always within Min ... Max: a value set outside reads back
// as the nearer end (a plain QProgressBar would ignore it).
class TProgressBar : public QProgressBar {
    Q_OBJECT
    Q_PROPERTY(int Position READ Position WRITE setPosition)
public:
    explicit TProgressBar(QWidget* parent = nullptr) : QProgressBar(parent) {
        setTextVisible(false);
    }
    int Position() const { return value(); }
    void setPosition(int position) { setValue(qBound(minimum(), position, maximum())); }
};
