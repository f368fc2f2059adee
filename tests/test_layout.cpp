// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Layout.h"

#include <QTest>

namespace {

LayoutInput fitted(int w, int h, int picW, int picH) {
    LayoutInput in;
    in.componentWidth = w;
    in.componentHeight = h;
    in.frame = 1;
    in.pictureWidth = picW;
    in.pictureHeight = picH;
    in.autoScaleImage = true;
    return in;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void regionsMapFitsPadania() {
        const LayoutResult r = ComputeLayout(fitted(777, 537, 952, 647));
        QVERIFY(r.applies);
        QCOMPARE(r.scale, 81);
        QCOMPARE(r.paintWidth, 775);
        QCOMPARE(r.paintHeight, 527);
        QCOMPARE(r.paintLeft, 1);
        QCOMPARE(r.paintTop, 5);
    }

    void nationMapFitsItalia() {
        const LayoutResult r = ComputeLayout(fitted(337, 377, 561, 623));
        QCOMPARE(r.scale, 60);
        QCOMPARE(r.paintWidth, 335);
        QCOMPARE(r.paintHeight, 372);
        QCOMPARE(r.paintLeft, 1);
        QCOMPARE(r.paintTop, 2);
    }

    void smallPictureIsEnlargedAndExactWidthStays() {
        const LayoutResult enlarged = ComputeLayout(fitted(202, 102, 50, 20));
        QCOMPARE(enlarged.scale, 400);
        QCOMPARE(enlarged.paintWidth, 200);
        QCOMPARE(enlarged.paintHeight, 80);
        // As wide as the available width and lower than it: 100 percent.
        const LayoutResult same = ComputeLayout(fitted(202, 102, 200, 50));
        QCOMPARE(same.scale, 100);
        QCOMPARE(same.paintWidth, 200);
        QCOMPARE(same.paintHeight, 50);
        QCOMPARE(same.paintTop, 26);
    }

    void heightLimitsWhenTheWidthFitWouldBeTooTall() {
        const LayoutResult r = ComputeLayout(fitted(402, 102, 100, 100));
        QCOMPARE(r.scale, 100);
        QCOMPARE(r.paintHeight, 100);
        QCOMPARE(r.paintLeft, 151);
    }

    void oneShortIsWidenedByOne() {
        // Full height and one pixel narrower than the room: kept at 100 percent, and the paint
        // area widened by the one pixel.
        LayoutResult r = ComputeLayout(fitted(102, 102, 99, 100));
        QCOMPARE(r.scale, 100);
        QCOMPARE(r.paintWidth, 100);
        QCOMPARE(r.paintHeight, 100);
        r = ComputeLayout(fitted(102, 102, 100, 99));
        QCOMPARE(r.paintHeight, 100);
        // Without automatic fitting nothing is widened.
        LayoutInput fixed = fitted(102, 102, 99, 100);
        fixed.autoScaleImage = false;
        QCOMPARE(ComputeLayout(fixed).paintWidth, 99);
    }

    void noRoomMeansNoLayout() {
        QVERIFY(!ComputeLayout(fitted(2, 100, 50, 50)).applies);
        QVERIFY(!ComputeLayout(fitted(1, 100, 50, 50)).applies);
        QVERIFY(!ComputeLayout(fitted(100, 100, 0, 50)).applies);
    }

    void fitNeverRoundsScaleToZero() {
        const LayoutResult r = ComputeLayout(fitted(4, 4, 100000, 100000));
        QVERIFY(r.applies);
        QCOMPARE(r.scale, 1);
    }

    void panelFollowsPicture() {
        LayoutInput in;
        in.componentWidth = 10;
        in.componentHeight = 10;
        in.frame = 1;
        in.pictureWidth = 952;
        in.pictureHeight = 647;
        in.scale = 50;
        in.autoScalePanel = true;
        const LayoutResult r = ComputeLayout(in);
        QCOMPARE(r.paintWidth, 476);
        QCOMPARE(r.paintHeight, 323);
        QCOMPARE(r.paintLeft, 1);
        QCOMPARE(r.paintTop, 1);
        QCOMPARE(r.componentWidth, 478);
        QCOMPARE(r.componentHeight, 325);
    }

    void fixedScaleCentresWithBorder() {
        LayoutInput in;
        in.componentWidth = 300;
        in.componentHeight = 200;
        in.frame = 1;
        in.border = 2;
        in.pictureWidth = 100;
        in.pictureHeight = 51;
        in.scale = 150;
        const LayoutResult r = ComputeLayout(in);
        QCOMPARE(r.scale, 150);
        QCOMPARE(r.paintWidth, 150);
        QCOMPARE(r.paintHeight, 76); // 76.5 rounds to the even neighbour
        QCOMPARE(r.paintLeft, 73);
        QCOMPARE(r.paintTop, 60);
    }

    void roundingGoesToEven() {
        QCOMPARE(RoundHalfEven(0.5L), 0);
        QCOMPARE(RoundHalfEven(1.5L), 2);
        QCOMPARE(RoundHalfEven(2.5L), 2);
        QCOMPARE(RoundHalfEven(-2.5L), -2);
        QCOMPARE(RoundHalfEven(2.5000001L), 3);
    }
};

QTEST_APPLESS_MAIN(LayoutTest)
#include "test_layout.moc"
