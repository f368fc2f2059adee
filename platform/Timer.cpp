// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Timer.h"

TTimer::TTimer(QObject* parent) : QObject(parent) {
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, [this] { emit OnTimer(this); });
}

void TTimer::restart() {
    if (enabled && interval > 0)
        timer.start(interval);
    else
        timer.stop();
}

void TTimer::setEnabled(bool value) {
    if (value == enabled)
        return;
    enabled = value;
    restart();
}

void TTimer::setInterval(int value) {
    if (value == interval)
        return;
    interval = value;
    restart();
}
