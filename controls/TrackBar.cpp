// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrackBar.h"

TTrackBar::TTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, 10);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setSingleStep(1);
    setPageStep(2);
    connect(this, &QSlider::valueChanged, this, [this] {
        if (!settingByCode)
            emit OnChange(this);
    });
}

void TTrackBar::setMin(int value) {
    settingByCode = true;
    setMinimum(value);
    settingByCode = false;
}

void TTrackBar::setMax(int value) {
    settingByCode = true;
    setMaximum(value);
    settingByCode = false;
}

void TTrackBar::setPosition(int value) {
    settingByCode = true;
    setValue(value); // QSlider clamps to the range
    settingByCode = false;
}
