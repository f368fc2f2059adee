// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpinEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

TSpinEdit::TSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setValue(0);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        QAccessibleValueChangeEvent event(this, Value());
        QAccessible::updateAccessibility(&event);
    });
}

int TSpinEdit::clamped(int value) const {
    // With no range set (both ends equal) any value stands.
    if (minValue == maxValue)
        return value;
    return std::clamp(value, minValue, maxValue);
}

int TSpinEdit::Value() const {
    bool ok = false;
    const int value = lineEdit()->text().trimmed().toInt(&ok);
    return ok ? value : minValue;
}

void TSpinEdit::setValue(int value) {
    lineEdit()->setText(QString::number(clamped(value)));
}

QString TSpinEdit::text() const {
    return lineEdit()->text();
}

void TSpinEdit::setText(const QString& text) {
    lineEdit()->setText(text);
}

void TSpinEdit::stepBy(int steps) {
    setValue(Value() + steps * increment);
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State TSpinEdit::validate(QString&, int&) const {
    return QValidator::Acceptable; // keys are filtered as they are typed; any text may stand
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool control = text.isEmpty() || text.at(0).category() == QChar::Other_Control ||
                         (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!control) {
        const QChar c = text.at(0);
        const QString decimal = QLocale().decimalPoint();
        if (!c.isDigit() && c != QLatin1Char('+') && c != QLatin1Char('-') && text != decimal) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    const int value = Value();
    if (clamped(value) != value)
        setValue(value);
    QAbstractSpinBox::focusOutEvent(event);
}
