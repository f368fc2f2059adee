// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapAccessible.h"

#include "CustomHImages.h"
#include "ItemAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

namespace {

// One place of the map that the keyboard can select: named by its hotspot, or by its position
// alone while the map keeps names back; its rectangle lets a magnifier follow the selection.
class PlaceAccessible final : public ItemAccessible {
public:
    PlaceAccessible(TCustomHyperImages* map, int place)
        : map(map), place(place), generation(map->placesGeneration()) {}

    bool isValid() const override {
        return map && map->placesGeneration() == generation && place < int(map->Places().size());
    }
    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? map->placeName(place) : QString();
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = map->placeRect(place);
        return QRect(map->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

private:
    QWidget* owner() const override { return map; }
    bool isSelected() const override { return map->SelectedPlace() == place; }

    QPointer<TCustomHyperImages> map;
    int place;
    int generation;
};

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

    ~MapAccessible() override { dropPlaces(); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        return s;
    }

    int childCount() const override { return int(map()->Places().size()); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (generation != map()->placesGeneration()) {
            dropPlaces();
            generation = map()->placesGeneration();
        }
        ids.resize(std::size_t(childCount()), 0);
        QAccessible::Id& id = ids[std::size_t(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new PlaceAccessible(map(), index));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }

    QAccessibleInterface* focusChild() const override {
        return map()->hasFocus() ? child(map()->SelectedPlace()) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = map()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (map()->placeRect(i).contains(at))
                return child(i);
        return nullptr;
    }

private:
    TCustomHyperImages* map() const { return static_cast<TCustomHyperImages*>(widget()); }

    void dropPlaces() const {
        for (QAccessible::Id id : ids)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        ids.clear();
    }

    mutable std::vector<QAccessible::Id> ids; // the places' interfaces, made when asked for
    mutable int generation = -1;
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

void NotifyPlaceFocused(TCustomHyperImages* map) {
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface* place = QAccessible::queryAccessibleInterface(map)->focusChild()) {
        QAccessibleEvent event(place, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void NotifyPlaceNamesChanged(TCustomHyperImages* map) {
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface* place = QAccessible::queryAccessibleInterface(map)->focusChild()) {
        QAccessibleEvent event(place, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}
