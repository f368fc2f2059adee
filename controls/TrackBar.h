// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSlider>

// A horizontal slider whose position stays within Min ... Max and whose change event is raised
// only when the player moves it (mouse or keys), never when code sets the position.
class TTrackBar : public QSlider {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Position READ Position WRITE setPosition)
    Q_PROPERTY(int PageSize READ PageSize WRITE setPageSize)
    Q_PROPERTY(int LineSize READ LineSize WRITE setLineSize)
    Q_PROPERTY(int Frequency READ Frequency WRITE setFrequency)
public:
    explicit TTrackBar(QWidget* parent = nullptr);

    int Min() const { return minimum(); }
    void setMin(int value);
    int Max() const { return maximum(); }
    void setMax(int value);
    int Position() const { return value(); }
    void setPosition(int value);
    int PageSize() const { return pageStep(); }
    void setPageSize(int value) { setPageStep(value); }
    int LineSize() const { return singleStep(); }
    void setLineSize(int value) { setSingleStep(value); }
    int Frequency() const { return tickInterval(); }
    void setFrequency(int value) { setTickInterval(value); }

signals:
    void OnChange(QObject* Sender);

private:
    bool settingByCode = false;
};
