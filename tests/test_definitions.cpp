// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Error.h"
#include "ErrorOf.h"
#include "HotspotMap.h"

#include <QTest>

namespace {

QVector<Region::Point> points(const THotspotRec& rec, int n) {
    return QVector<Region::Point>(rec.Points.begin(), rec.Points.begin() + n);
}

} // namespace

class DefinitionTest : public QObject {
    Q_OBJECT
private slots:
    void splitsPictureAndName() {
        const DefinitionParts parts = SplitDefinition("Etruria.bmp/L Aquila=-3;534,348;553,361;");
        QCOMPARE(parts.picture, QString("Etruria.bmp"));
        QCOMPARE(parts.name, QString("L Aquila"));
        // A "/" inside the name stays; the name ends at its first "=".
        QCOMPARE(SplitDefinition("a.bmp/x/y=z=1;").name, QString("x/y"));
        QCOMPARE(SplitDefinition("no slash=1;").picture, QString("no slash=1;"));
        QCOMPARE(SplitDefinition("no slash=1;").name, QString());
        QCOMPARE(SplitDefinition("a.bmp/no equals").name, QString("no equals"));
        QCOMPARE(PictureOfDefinition("no slash=1;"), QString());
        QCOMPARE(PictureOfDefinition("a.bmp/x=1;"), QString("a.bmp"));
    }

    void parsesEllipseIntoBoxCorners() {
        const THotspotRec rec = ParseHotspot("Padania.bmp/Milano=-3;328,297;370,332;");
        QCOMPARE(rec.Name, QString("Milano"));
        QCOMPARE(int(rec.Shape), int(skEllipse));
        QCOMPARE(rec.Count, 4);
        QCOMPARE(points(rec, 5),
                 (QVector<Region::Point>{{328, 297}, {370, 297}, {370, 332}, {328, 332}, {0, 0}}));
    }

    void parsesPolygonInOrder() {
        const THotspotRec rec =
            ParseHotspot("Italia.bmp/Sicilia=5;267,546;279,521;413,519;393,614;368,617;");
        QCOMPARE(int(rec.Shape), int(skPolygon));
        QCOMPARE(rec.Count, 5);
        QCOMPARE(points(rec, 6),
                 (QVector<Region::Point>{
                     {267, 546}, {279, 521}, {413, 519}, {393, 614}, {368, 617}, {0, 0}}));
    }

    void shapeCodes() {
        // Code 0 is a polygon of four corners.
        THotspotRec rec = ParseHotspot("a.bmp/z=0;0,0;4,0;4,4;0,4;");
        QCOMPARE(int(rec.Shape), int(skPolygon));
        QCOMPARE(rec.Count, 4);
        // A rounded rectangle takes its corner size from the third pair and has five points.
        rec = ParseHotspot("a.bmp/r=-2;10,20;30,40;6,8;");
        QCOMPARE(int(rec.Shape), int(skRoundRect));
        QCOMPARE(rec.Count, 5);
        QCOMPARE(rec.Points[4], (Region::Point{6, 8}));
        QCOMPARE(rec.Points[2], (Region::Point{30, 40}));
        // A third pair given with a rectangle is overwritten by the box corners.
        rec = ParseHotspot("a.bmp/r=-1;10,20;30,40;6,8;");
        QCOMPARE(rec.Points[2], (Region::Point{30, 40}));
        QCOMPARE(rec.Count, 4);
        // Shape numbers are the low eight bits of -code.
        QCOMPARE(int(ParseHotspot("a.bmp/w=-259;0,0;1,1;").Shape), 3);
        QCOMPARE(int(ParseHotspot("a.bmp/w=-4;0,0;1,1;").Shape), 4);
        QVERIFY(!CreateHotspotRegion(ParseHotspot("a.bmp/w=-4;0,0;9,9;")));
        QVERIFY(!CreateHotspotRegion(ParseHotspot("a.bmp/w=-255;0,0;9,9;")));
    }

    void polygonCornerCountAndPairsDiffer() {
        // More corners than pairs: the missing ones are (0,0).
        const RegionHandle more = CreateHotspotRegion(ParseHotspot("a.bmp/p=4;10,0;10,10;0,10;"));
        QVERIFY(more && more->contains(5, 5));
        QVERIFY(more->contains(1, 1)); // the outline runs through the top-left corner
        // Fewer corners than pairs: the extra points are stored but not used.
        const THotspotRec rec = ParseHotspot("a.bmp/p=3;0,0;10,0;0,10;10,10;");
        QCOMPARE(rec.Points[3], (Region::Point{10, 10}));
        const RegionHandle fewer = CreateHotspotRegion(rec);
        QVERIFY(fewer->contains(2, 2));
        QVERIFY(!fewer->contains(8, 8));
    }

    void nameIsCutTo128Characters() {
        const QString name(200, QLatin1Char('n'));
        QCOMPARE(ParseHotspot("a.bmp/" + name + "=-1;0,0;1,1;").Name.size(), 128);
    }

    void integerConversion() {
        QCOMPARE(StrToInt("42"), 42);
        QCOMPARE(StrToInt("  -7"), -7);
        QCOMPARE(StrToInt("+7"), 7);
        QCOMPARE(StrToInt("$1F"), 31);
        QCOMPARE(StrToInt("0x10"), 16);
        QCOMPARE(StrToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
        QCOMPARE(StrToInt("$FFFFFFFF"), -1);
        QCOMPARE(errorOf([] { StrToInt("2147483648"); }),
                 QString("'2147483648' is not a valid integer value"));
        QCOMPARE(errorOf([] { StrToInt(""); }), QString("'' is not a valid integer value"));
        QCOMPARE(errorOf([] { StrToInt("12 "); }), QString("'12 ' is not a valid integer value"));
        QCOMPARE(errorOf([] { StrToInt("1e3"); }), QString("'1e3' is not a valid integer value"));
    }

    void badNumberNamesTheField() {
        QCOMPARE(errorOf([] { ParseHotspot("a.bmp/x=-3;12,y7;20,20;"); }),
                 QString("'y7' is not a valid integer value"));
        QCOMPARE(errorOf([] { ParseHotspot("a.bmp/x=three;1,1;"); }),
                 QString("'three' is not a valid integer value"));
    }

    void malformedLinesQuoteTheLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("fault");
        QTest::newRow("no slash") << "Milano=-3;1,1;2,2;"
                                  << "has no \"/\"";
        QTest::newRow("no equals") << "a.bmp/Milano"
                                   << "has no \"=\"";
        QTest::newRow("code without semicolon") << "a.bmp/M=-3"
                                                << "after its shape code";
        QTest::newRow("x without comma") << "a.bmp/M=-3;12;"
                                         << "after an x value";
        QTest::newRow("y without semicolon") << "a.bmp/M=-3;12,13"
                                             << "after a y value";
        QTest::newRow("code above 100") << "a.bmp/M=101;1,1;"
                                        << "at most 100";
        QString many = "a.bmp/M=3;";
        for (int i = 0; i < 101; ++i)
            many += "1,1;";
        QTest::newRow("101 pairs") << many << "more than 100 points";
    }
    void malformedLinesQuoteTheLine() {
        QFETCH(QString, line);
        QFETCH(QString, fault);
        const QString message = errorOf([&] { ParseHotspot(line); });
        QVERIFY2(message.contains("'" + line + "'"), qPrintable(message));
        QVERIFY2(message.contains(fault), qPrintable(message));
    }

    void exactly100PairsAreAccepted() {
        QString line = "a.bmp/M=100;";
        for (int i = 0; i < 100; ++i)
            line += QString("%1,%2;").arg(i).arg(i * i % 97);
        const THotspotRec rec = ParseHotspot(line);
        QCOMPARE(rec.Count, 100);
        QCOMPARE(rec.Points[99], (Region::Point{99, 99 * 99 % 97}));
    }

    void listIsSortedCaseInsensitivelyWithoutDuplicates() {
        HotspotDefinitionList list;
        QVERIFY(list.add("Padania.bmp/Milano=-3;1,1;5,5;"));
        QVERIFY(list.add("Etruria.bmp/Roma=-3;1,1;5,5;"));
        QVERIFY(list.add("padania.bmp/bergamo=-3;1,1;5,5;"));
        QVERIFY(!list.add("PADANIA.BMP/MILANO=-3;1,1;5,5;"));
        QCOMPARE(list.lines(),
                 (QStringList{"Etruria.bmp/Roma=-3;1,1;5,5;", "padania.bmp/bergamo=-3;1,1;5,5;",
                              "Padania.bmp/Milano=-3;1,1;5,5;"}));
        // A blank sorts before letters: "La Spezia" before "Latina", "L Aquila" first.
        list.assign({"E.bmp/Latina=1;", "E.bmp/La Spezia=1;", "E.bmp/L Aquila=1;"});
        QCOMPARE(list.lines(),
                 (QStringList{"E.bmp/L Aquila=1;", "E.bmp/La Spezia=1;", "E.bmp/Latina=1;"}));
    }

    void buildRegionsTakesExactPictureNames() {
        HotspotMap map;
        map.definitions().assign(
            {"Etruria.bmp/Firenze=-3;247,76;272,94;", "Padania.bmp/Firenze=-3;608,623;629,640;",
             "padania.bmp/Lower=-3;0,0;10,10;", "Padania.bmp/Milano=-3;328,297;370,332;"});
        map.BuildRegions("Padania.bmp");
        QCOMPARE(map.active().size(), std::size_t(2));
        QCOMPARE(map.active()[0].line, 1);
        QCOMPARE(map.active()[1].line, 3);
        QString name = "unchanged";
        QVERIFY(map.HotspotAt(348, 314, 100, name));
        QCOMPARE(name, QString("Milano"));
        QVERIFY(!map.HotspotAt(5, 5, 100, name));
        QCOMPARE(name, QString("Milano"));
        map.DeleteRegions();
        QVERIFY(map.active().empty());
    }

    void buildRegionsStopsAtABadLineKeepingEarlierEntries() {
        HotspotMap map;
        map.definitions().assign(
            {"a.bmp/A=-1;0,0;5,5;", "a.bmp/B=-1;x,0;5,5;", "a.bmp/C=-1;0,0;5,5;"});
        QCOMPARE(errorOf([&] { map.BuildRegions("a.bmp"); }),
                 QString("'x' is not a valid integer value"));
        QCOMPARE(map.active().size(), std::size_t(1));
    }

    void hitTestMapsThroughScaleWithTruncation() {
        QCOMPARE(toPicture(775, 81), 956);
        QCOMPARE(toPicture(527, 81), 650);
        QCOMPARE(toPicture(100, 60), 166);
        QCOMPARE(toPicture(50, 60), 83);
        QCOMPARE(toPicture(-1, 81), -1);
        QCOMPARE(toPicture(-50, 81), -61);

        HotspotMap map;
        map.definitions().assign({"a.bmp/Big=-1;0,0;100,100;", "a.bmp/Corner=-1;950,640;960,660;",
                                  "a.bmp/Minus=-1;-70,-70;0,0;"});
        map.BuildRegions("a.bmp");
        QString name;
        QVERIFY(map.HotspotAt(775, 527, 81, name));
        QCOMPARE(name, QString("Corner"));
        QVERIFY(map.HotspotAt(-50, -1, 81, name));
        QCOMPARE(name, QString("Minus"));
        QCOMPARE(map.hitIndex(50, 50, 0), -1); // scale 0 hits nothing
    }

    void entryWithoutRegionIsNeverHit() {
        // The entry without a region comes first and its box holds the point: the next wins.
        HotspotMap map;
        map.definitions().assign({"a.bmp/A none=-4;0,0;100,100;", "a.bmp/B box=-1;0,0;100,100;"});
        map.BuildRegions("a.bmp");
        QVERIFY(!map.active()[0].region);
        QString name;
        QVERIFY(map.HotspotAt(50, 50, 100, name));
        QCOMPARE(name, QString("B box"));
        map.definitions().assign({"a.bmp/A none=-4;0,0;100,100;"});
        map.DeleteRegions();
        map.BuildRegions("a.bmp");
        QCOMPARE(map.hitIndex(50, 50, 100), -1);
    }

    void firstOfOverlappingHotspotsWins() {
        HotspotMap map;
        map.definitions().assign({"a.bmp/Zeta=-1;0,0;20,20;", "a.bmp/Alpha=-3;0,0;20,20;"});
        map.BuildRegions("a.bmp");
        QString name;
        QVERIFY(map.HotspotAt(10, 10, 100, name));
        QCOMPARE(name, QString("Alpha"));
        QVERIFY(map.HotspotAt(0, 0, 100, name)); // outside the ellipse, inside the box
        QCOMPARE(name, QString("Zeta"));
    }

    void namesStayRightWhenTheListChangesWhileActive() {
        HotspotMap map;
        map.definitions().assign({"a.bmp/B=-1;0,0;10,10;"});
        map.BuildRegions("a.bmp");
        map.definitions().add("a.bmp/A=-1;50,50;60,60;"); // moves B to position 1
        QString name;
        QVERIFY(map.HotspotAt(5, 5, 100, name));
        QCOMPARE(name, QString("B"));
    }

    void scaledHotspotScalesFirstCountPoints() {
        const THotspotRec rec = ScaledHotspot(ParseHotspot("a.bmp/r=-2;10,20;30,40;8,6;"), 50);
        QCOMPARE(rec.Points[0], (Region::Point{5, 10}));
        QCOMPARE(rec.Points[2], (Region::Point{15, 20}));
        QCOMPARE(rec.Points[4], (Region::Point{4, 3})); // the corner ellipse scales too
        const THotspotRec milano =
            ScaledHotspot(ParseHotspot("Padania.bmp/Milano=-3;328,297;370,332;"), 81);
        QCOMPARE(milano.Points[0], (Region::Point{265, 240}));
        QCOMPARE(milano.Points[2], (Region::Point{299, 268}));
        const THotspotRec negative = ScaledHotspot(ParseHotspot("a.bmp/n=-1;-3,-3;3,3;"), 50);
        QCOMPARE(negative.Points[0], (Region::Point{-1, -1}));
    }
};

QTEST_APPLESS_MAIN(DefinitionTest)
#include "test_definitions.moc"
