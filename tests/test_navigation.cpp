// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's way over the maps: on every picture of the content each town and region can be
// reached from every other with a few arrow presses, and pressed where a click would hit it.

#include "DefinitionResource.h"
#include "HotspotNavigation.h"

#include <QImage>
#include <QTest>

namespace {

constexpr NavigationKey arrows[] = {NavigationKey::Left, NavigationKey::Right, NavigationKey::Up,
                                    NavigationKey::Down};

// The fewest arrow presses from one place to another, for every pair; -1 where none leads.
int mostPresses(const HotspotNavigation& nav) {
    int most = 0;
    for (int from = 0; from < nav.count(); ++from) {
        std::vector<int> presses(std::size_t(nav.count()), -1);
        presses[std::size_t(from)] = 0;
        std::vector<int> todo{from};
        for (std::size_t i = 0; i < todo.size(); ++i)
            for (NavigationKey key : arrows) {
                const int to = nav.next(todo[i], key);
                if (presses[std::size_t(to)] < 0) {
                    presses[std::size_t(to)] = presses[std::size_t(todo[i])] + 1;
                    todo.push_back(to);
                }
            }
        for (int p : presses)
            most = p < 0 ? INT_MAX : std::max(most, p);
    }
    return most;
}

HotspotPlace placeAt(double x, double y) {
    HotspotPlace place;
    place.x = x;
    place.y = y;
    return place;
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void everyPlaceOfTheContentIsReachedAndPressed_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("scale"); // as the maps of the layout show them at 800 x 600
        QTest::newRow("Italia") << "nation-hotspots.txt"
                                << "Italia.bmp" << 60;
        for (const char* region : {"Padania", "Etruria", "Ausonia", "Sicilia", "Sardegna"})
            QTest::newRow(region) << "town-hotspots.txt" << QString(region) + ".bmp" << 81;
    }
    void everyPlaceOfTheContentIsReachedAndPressed() {
        QFETCH(QString, list);
        QFETCH(QString, picture);
        QFETCH(int, scale);
        HotspotMap map;
        map.definitions().assign(ReadDefinitionLines(TERRAVA_SOURCE_DIR "/content/" + list));
        map.BuildRegions(picture);
        const QImage image(TERRAVA_SOURCE_DIR "/content/" + picture);
        const QImage shown =
            image.isNull() ? QImage(TERRAVA_SOURCE_DIR "/content/images/" + picture) : image;
        QVERIFY(!shown.isNull());
        const std::vector<HotspotPlace> places = HotspotPlaces(map, shown.width(), shown.height());
        QCOMPARE(places.size(), map.active().size()); // every hotspot can be marked
        const HotspotNavigation nav(places);
        QVERIFY2(nav.followsNearest(), "the content's pictures keep the nearest-ahead moves");
        const int most = mostPresses(nav);
        qInfo("%s: %d places, at most %d presses between two", qPrintable(picture), nav.count(),
              most);
        QVERIFY(most <= 16);
        for (const HotspotPlace& place : places) {
            const std::optional<QPoint> at = PressPoint(map, place, scale);
            QVERIFY2(at && map.hitIndex(at->x(), at->y(), scale) == place.hotspot,
                     qPrintable(map.nameOfActive(place.hotspot)));
        }
    }

    void aPlaceNearestMovesMissIsReachedAllTheSame() {
        // (3, 7) is never the nearest ahead of any other place.
        std::vector<HotspotPlace> places;
        for (auto [x, y] : {std::pair{2, 5}, {2, 9}, {3, 3}, {12, 12}, {3, 7}})
            places.push_back(placeAt(x, y));
        const HotspotNavigation nav(places);
        QVERIFY(!nav.followsNearest());
        QVERIFY(mostPresses(nav) < nav.count());
    }

    void homeAndEndGoByReadingOrder_anArrowWithNothingAheadStays() {
        const HotspotNavigation nav({placeAt(50, 10), placeAt(10, 10), placeAt(30, 40)});
        QCOMPARE(nav.next(-1, NavigationKey::Down), 1); // from no selection: the first
        QCOMPARE(nav.next(2, NavigationKey::Home), 1);
        QCOMPARE(nav.next(1, NavigationKey::End), 2);
        QCOMPARE(nav.next(1, NavigationKey::Right), 0);
        QCOMPARE(nav.next(1, NavigationKey::Down), 2);
        QCOMPARE(nav.next(2, NavigationKey::Down), 2);
        QCOMPARE(nav.readingPosition(0), 1);
    }

    void aHotspotCoveredByAnEarlierOneIsNoPlace() {
        HotspotMap map;
        map.definitions().assign(
            {"P.bmp/A=-1;0,0;40,40;", "P.bmp/B=-1;10,10;20,20;", "P.bmp/C=-1;30,0;60,10;"});
        map.BuildRegions("P.bmp");
        const std::vector<HotspotPlace> places = HotspotPlaces(map, 55, 100);
        QCOMPARE(places.size(), std::size_t(2));
        QCOMPARE(places[1].hotspot, 2);
        QCOMPARE(places[1].box, QRect(40, 0, 15, 10)); // what A and the picture leave of C
        QCOMPARE(places[1].x, 47.5);
    }
};

QTEST_GUILESS_MAIN(NavigationTest)
#include "test_navigation.moc"
