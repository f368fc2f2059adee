#include "ErrorBox.h"

#include "Error.h"
#include "MessageBoxes.h"

#include <QApplication>

QString ErrorBox::textOf(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ErrorBox::show(const QString& message) {
    MessageBoxes::show(QApplication::activeWindow(), MessageKind::Error,
                       QApplication::applicationName(), textOf(message));
}

bool ErrorBox::run(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const TerravaError& e) {
        show(e.message());
    } catch (const std::exception& e) {
        show(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
