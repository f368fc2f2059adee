// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractSpinBox>

// A whole-number entry with up and down buttons. Value is the shown text read as a number, a
// text that is no number reading as MinValue; setting Value from code clamps it, and leaving
// the box clamps and shows it again. Typing takes digits, signs, the decimal separator and
// control keys; other keys are refused with a beep.
class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int Increment READ Increment WRITE setIncrement)
    // The names under which assistive technology reads a spin box's value and range.
    Q_PROPERTY(int value READ Value WRITE setValue)
    Q_PROPERTY(int minimum READ MinValue)
    Q_PROPERTY(int maximum READ MaxValue)
    Q_PROPERTY(int stepSize READ Increment)
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    int MinValue() const { return minValue; }
    void setMinValue(int value) { minValue = value; }
    int MaxValue() const { return maxValue; }
    void setMaxValue(int value) { maxValue = value; }
    int Increment() const { return increment; }
    void setIncrement(int value) { increment = value; }

    int Value() const;
    void setValue(int value);
    QString text() const;
    void setText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int clamped(int value) const;
    int minValue = 0;
    int maxValue = 100;
    int increment = 1;
};
