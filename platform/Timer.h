// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

// A periodic timer with the two properties the game uses: while Enabled it raises OnTimer
// every Interval milliseconds; setting a different Interval restarts the count, setting the
// same one changes nothing.
class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(QObject* parent = nullptr);

    bool Enabled() const { return enabled; }
    void setEnabled(bool value);
    int Interval() const { return interval; }
    void setInterval(int value);

signals:
    void OnTimer(QObject* Sender);

private:
    void restart();
    QTimer timer;
    bool enabled = true;
    int interval = 1000;
};
