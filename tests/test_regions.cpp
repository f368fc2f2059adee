// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HotspotDefinition.h"
#include "Region.h"

#include <QTest>

namespace {

// Every pixel of a region inside a window, as rows of '#' and '.', for readable expectations.
QStringList picture(const Region& r, int x0, int y0, int x1, int y1) {
    QStringList rows;
    for (int y = y0; y < y1; ++y) {
        QString row;
        for (int x = x0; x < x1; ++x)
            row += r.contains(x, y) ? QLatin1Char('#') : QLatin1Char('.');
        rows << row;
    }
    return rows;
}

int pixelCount(const Region& r) {
    int n = 0;
    for (std::int64_t y = r.top(); y < r.bottom(); ++y)
        for (const Region::Span& s : r.rowSpans(y))
            n += int(s.end - s.begin);
    return n;
}

} // namespace

class RegionTest : public QObject {
    Q_OBJECT
private slots:
    void rectangleKeepsRightAndBottomEdgesOutside() {
        const Region r = Region::rectangle(2, 3, 5, 6);
        QVERIFY(r.contains(2, 3));
        QVERIFY(r.contains(4, 5));
        QVERIFY(!r.contains(5, 5));
        QVERIFY(!r.contains(4, 6));
        QVERIFY(!r.contains(1, 3));
        QCOMPARE(pixelCount(r), 9);
        // Corners in any order give the same rectangle.
        const Region swapped = Region::rectangle(5, 6, 2, 3);
        QCOMPARE(picture(swapped, 0, 0, 8, 8), picture(r, 0, 0, 8, 8));
    }

    void degenerateBoxesAreEmpty() {
        QVERIFY(Region::rectangle(3, 3, 3, 9).isEmpty());
        QVERIFY(Region::rectangle(3, 3, 9, 3).isEmpty());
        QVERIFY(Region::ellipse(3, 3, 3, 9).isEmpty());
        QVERIFY(Region::roundRect(1, 1, 9, 1, 2, 2).isEmpty());
        // A box one pixel wide: the curve inside it is one pixel narrower still.
        QVERIFY(Region::ellipse(3, 3, 4, 9).isEmpty());
        QVERIFY(!Region::rectangle(3, 3, 4, 4).isEmpty());
    }

    void ellipseCoversOnePixelLessAtRightAndBottom() {
        const Region r = Region::ellipse(0, 0, 6, 5);
        QCOMPARE(picture(r, 0, 0, 7, 6), (QStringList{
                                             ".###...",
                                             "#####..",
                                             "#####..",
                                             ".###...",
                                             ".......",
                                             ".......",
                                         }));
        QCOMPARE(r.left(), 0);
        QCOMPARE(r.right(), 5);
        QCOMPARE(r.bottom(), 4);
    }

    void ellipseIsSymmetricAndInsideItsBox() {
        const Region r = Region::ellipse(328, 297, 370, 332); // a large town
        int pixels = 0;
        for (int y = 290; y < 340; ++y) {
            for (int x = 320; x < 380; ++x) {
                const bool in = r.contains(x, y);
                pixels += in;
                if (in) {
                    QVERIFY(x >= 328 && x < 369 && y >= 297 && y < 331);
                    // Mirror about the centre of the shrunk box.
                    QVERIFY(r.contains(328 + 368 - x, y));
                    QVERIFY(r.contains(x, 297 + 330 - y));
                }
            }
        }
        // Close to the area of the inscribed ellipse: pi / 4 * 41 * 34.
        QVERIFY(qAbs(pixels - 1095) < 40);
        QVERIFY(r.contains(328, 314));
        QVERIFY(r.contains(368, 314));
        QVERIFY(!r.contains(369, 314));
        QVERIFY(r.contains(348, 297));
        QVERIFY(r.contains(348, 330));
        QVERIFY(!r.contains(348, 331));
    }

    void roundRectRoundsOnlyTheCorners() {
        const Region r = Region::roundRect(0, 0, 10, 8, 4, 4);
        QCOMPARE(picture(r, 0, 0, 11, 9), (QStringList{
                                              ".#######...",
                                              "#########..",
                                              "#########..",
                                              "#########..",
                                              "#########..",
                                              "#########..",
                                              ".#######...",
                                              "...........",
                                              "...........",
                                          }));
        // No corner size: the rectangle one pixel smaller.
        QCOMPARE(pixelCount(Region::roundRect(0, 0, 10, 8, 0, 0)), 9 * 7);
        // A corner larger than the box is the ellipse of the box.
        QCOMPARE(picture(Region::roundRect(0, 0, 6, 5, 50, 50), 0, 0, 7, 6),
                 picture(Region::ellipse(0, 0, 6, 5), 0, 0, 7, 6));
    }

    void polygonUsesEvenOddRule() {
        // A pentagram: its inner pentagon crosses the outline twice and so is outside.
        const std::vector<Region::Point> star{{50, 0}, {79, 90}, {2, 35}, {97, 35}, {21, 90}};
        const Region r = Region::polygon(star);
        QVERIFY(!r.contains(50, 50)); // the centre
        QVERIFY(r.contains(50, 10));  // top point
        QVERIFY(r.contains(10, 37));  // left point
        QVERIFY(r.contains(25, 85));  // lower left point
        QVERIFY(!r.contains(50, 95));
    }

    void polygonWithIntegerCornersMatchesRectangle() {
        const Region poly = Region::polygon({{2, 3}, {5, 3}, {5, 6}, {2, 6}});
        QCOMPARE(picture(poly, 0, 0, 8, 8), picture(Region::rectangle(2, 3, 5, 6), 0, 0, 8, 8));
        // Orientation does not matter.
        const Region reversed = Region::polygon({{2, 6}, {5, 6}, {5, 3}, {2, 3}});
        QCOMPARE(picture(reversed, 0, 0, 8, 8), picture(poly, 0, 0, 8, 8));
    }

    void polygonTieOnSlantedEdgeGoesRight() {
        // The edge from (0,0) to (4,4) passes through pixel centres (k + .5, k + .5): a centre
        // on the left edge belongs to the polygon, one on the right edge does not.
        const Region left = Region::polygon({{0, 0}, {4, 4}, {4, 0}}); // upper-right triangle
        QCOMPARE(picture(left, 0, 0, 5, 5), (QStringList{
                                                "####.",
                                                ".###.",
                                                "..##.",
                                                "...#.",
                                                ".....",
                                            }));
        const Region right = Region::polygon({{0, 0}, {0, 4}, {4, 4}}); // lower-left triangle
        QCOMPARE(picture(right, 0, 0, 5, 5), (QStringList{
                                                 ".....",
                                                 "#....",
                                                 "##...",
                                                 "###..",
                                                 ".....",
                                             }));
        // Together they tile the square exactly once.
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                QVERIFY(left.contains(x, y) != right.contains(x, y));
    }

    void polygonWithFewerThanThreeDistinctCornersIsEmpty() {
        QVERIFY(Region::polygon({}).isEmpty());
        QVERIFY(Region::polygon({{1, 1}, {1, 1}, {1, 1}}).isEmpty());
        QVERIFY(Region::polygon({{1, 1}, {9, 9}, {1, 1}, {9, 9}}).isEmpty());
        QVERIFY(Region::polygon({{0, 0}, {5, 5}, {9, 9}}).isEmpty()); // collinear
        QVERIFY(!Region::polygon({{0, 0}, {5, 0}, {0, 5}}).isEmpty());
    }

    void offsetMovesEveryPixel() {
        Region r = Region::ellipse(0, 0, 6, 5);
        const QStringList before = picture(r, 0, 0, 7, 6);
        r.offset(10, -20);
        QCOMPARE(picture(r, 10, -20, 17, -14), before);
        QVERIFY(!r.contains(2, 2));
        QCOMPARE(r.left(), 10);
        QCOMPARE(r.top(), -20);
        QCOMPARE(r.rowSpans(-19).front(), (Region::Span{10, 15}));
    }

    void rowSpansWithinAWindow() {
        const Region r = Region::rectangle(-1000000, 0, 1000000, 3);
        QCOMPARE(r.rowSpans(1, 5, 9), (std::vector<Region::Span>{{5, 9}}));
        QCOMPARE(r.rowSpans(1, 2000000, 2000010), std::vector<Region::Span>{});
        Region e = Region::ellipse(0, 0, 6, 5);
        e.offset(100, 0);
        QCOMPARE(e.rowSpans(1, 0, 102), (std::vector<Region::Span>{{100, 102}}));
    }

    void extremeCoordinatesDoNotOverflow() {
        const std::int32_t big = std::numeric_limits<std::int32_t>::max();
        const std::int32_t small = std::numeric_limits<std::int32_t>::min();
        const Region r = Region::ellipse(small, small, big, big);
        QVERIFY(r.contains(0, 0));
        QVERIFY(!r.contains(std::int64_t(small), std::int64_t(small)));
        const Region p = Region::polygon({{small, small}, {big, small}, {big, big}});
        QVERIFY(p.contains(1000, -1000));
        QVERIFY(!p.contains(-1000, 1000));
    }
};

QTEST_APPLESS_MAIN(RegionTest)
#include "test_regions.moc"
