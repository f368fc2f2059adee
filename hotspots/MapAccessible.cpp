// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapAccessible.h"

#include "CustomHImages.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

class MapAccessible final : public QAccessibleWidget {
public:
    explicit MapAccessible(TCustomHyperImages* map)
        : QAccessibleWidget(map, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Description)
            return own;
        const QString shown = PictureOnShow(*static_cast<TCustomHyperImages*>(widget()));
        return own.isEmpty() ? shown + '.' : own + QStringLiteral(". ") + shown + '.';
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface* mapFactory(const QString& key, QObject* object) {
    if (key != QLatin1String(TCustomHyperImages::staticMetaObject.className()))
        return nullptr;
    if (auto* map = qobject_cast<TCustomHyperImages*>(object))
        return new MapAccessible(map);
    return nullptr;
}

} // namespace

void InstallMapAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(mapFactory);
        return true;
    }();
    (void)installed;
}

QString PictureOnShow(const TCustomHyperImages& map) {
    if (map.PictureImage().isNull())
        return QCoreApplication::translate("MapAccessible", "No picture on show");
    const QString name = QFileInfo(map.PictureFilename()).completeBaseName();
    return QCoreApplication::translate("MapAccessible", "Picture on show: %1")
        .arg(name.isEmpty() ? QCoreApplication::translate("MapAccessible", "unnamed") : name);
}

void NotifyPictureShown(TCustomHyperImages* map) {
    QAccessibleEvent event(map, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}
