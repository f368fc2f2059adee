#include "ActiveForm.h"

#include <QPointer>
#include <QWidget>

QWidget* ActiveForm::activate(QWidget* form) {
    static QPointer<QWidget> active;
    QWidget* before = active;
    active = form;
    return before;
}
