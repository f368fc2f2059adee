// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefinitionResource.h"
#include "Error.h"
#include "ErrorOf.h"
#include "HImages.h"
#include "MessageBoxes.h"
#include "ShownPicture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

namespace {

// A 4-bit picture of the given size: a pale land with one dark patch, so that inversion and
// outlines show.
QImage makePicture(int w, int h) {
    QImage image(w, h, QImage::Format_Indexed8);
    image.setColorCount(16);
    image.setColor(0, qRgb(240, 240, 224));
    image.setColor(1, qRgb(0, 128, 0));
    image.fill(0);
    for (int y = h / 4; y < h / 2; ++y)
        for (int x = w / 4; x < w / 2; ++x)
            image.setPixel(x, y, 1);
    return image;
}

struct Boxes {
    QList<MessageRequest> shown;
    Boxes() {
        MessageBoxes::setHandler([this](const MessageRequest& r) { shown << r; });
    }
    ~Boxes() { MessageBoxes::setHandler({}); }
};

// Moves the pointer over a widget with a real mouse-move event, button up.
void moveTo(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The middle of a hotspot: the middle of the longest run of its pixels on the middle row of
// its box.
QPoint middleOf(const Region& region) {
    const std::int64_t y = (region.top() + region.bottom() - 1) / 2;
    Region::Span widest;
    for (const Region::Span& span : region.rowSpans(y))
        if (span.end - span.begin > widest.end - widest.begin)
            widest = span;
    return QPoint(int((widest.begin + widest.end - 1) / 2), int(y));
}

// The hotspots of the picture on show in groups whose middles lie at least 48 picture pixels
// apart, so that a mark on each middle can be told from the marks of its group.
QList<QList<int>> markGroups(const QList<QPoint>& middles) {
    QList<QList<int>> groups;
    for (int i = 0; i < middles.size(); ++i) {
        const auto apart = [&](const QList<int>& group) {
            return std::all_of(group.begin(), group.end(), [&](int j) {
                const QPoint d = middles[j] - middles[i];
                return qMax(qAbs(d.x()), qAbs(d.y())) >= 48;
            });
        };
        auto group = std::find_if(groups.begin(), groups.end(), apart);
        if (group == groups.end())
            groups.append(QList<int>{i});
        else
            group->append(i);
    }
    return groups;
}

// Where the map shows a picture pixel: the darkness-weighted middle of what it draws near
// `around`, the picture being white with a black 3 x 3 mark on the pixel.
QPoint drawnMark(const QImage& shot, QPoint around) {
    double sum = 0, sx = 0, sy = 0;
    for (int y = around.y() - 12; y <= around.y() + 12; ++y)
        for (int x = around.x() - 12; x <= around.x() + 12; ++x) {
            if (!shot.rect().contains(x, y))
                continue;
            const double dark = 255 - qGray(shot.pixel(x, y));
            sum += dark;
            sx += dark * x;
            sy += dark * y;
        }
    return sum == 0 ? QPoint(-1, -1) : QPoint(qRound(sx / sum), qRound(sy / sum));
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int count = 0;
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

const QStringList townLines{
    "Etruria.bmp/Roma=-3;40,40;60,60;",
    "Padania.bmp/Bergamo=-1;10,10;30,30;",
    "Padania.bmp/Milano=-3;50,50;90,80;",
};

} // namespace

class HyperImagesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString pictures;

    // The test picture of the north with its two towns, at 100 percent in a 202 x 102 map.
    void loadNorth(THyperImages& map) {
        map.resize(202, 102);
        map.setHotspotsDef(townLines);
        map.setPicturesDir(pictures);
        map.LoadPicture("Padania.bmp");
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        pictures = dir.path() + "/images/";
        QVERIFY(QDir().mkpath(pictures));
        QVERIFY(makePicture(200, 100).save(pictures + "Padania.bmp", "BMP"));
        QVERIFY(makePicture(100, 200).save(pictures + "Etruria.bmp", "BMP"));
        QVERIFY(makePicture(20, 20).save(pictures + "Renamed.bmp", "PNG"));
        QVERIFY(QDir().mkpath(pictures + "Folder.bmp"));
        QFile empty(pictures + "Empty.bmp");
        QVERIFY(empty.open(QIODevice::WriteOnly));
        QFile text(pictures + "Notes.txt");
        QVERIFY(text.open(QIODevice::WriteOnly));
    }

    void constructedDefaults() {
        THyperImages map;
        QCOMPARE(map.size(), QSize(105, 105));
        QCOMPARE(map.PaintArea()->geometry(), QRect(1, 1, 103, 103));
        QCOMPARE(map.Scale(), 100);
        QVERIFY(!map.AutoScaleImage() && !map.AutoScalePanel());
        QCOMPARE(map.HotCursor(), 0);
        QCOMPARE(map.HotIndex(), -1);
        QVERIFY(!map.HotRegion());
        QVERIFY(map.ActiveHotspots().empty());
        QString name = "kept";
        QVERIFY(!map.HotspotAt(5, 5, name));
        QCOMPARE(name, QString("kept"));
    }

    void picturesDirGetsAClosingSeparator() {
        THyperImages map;
        map.setPicturesDir("/some/where");
        QCOMPARE(map.PicturesDir(), QString("/some/where/"));
        map.setPicturesDir("/some/where/");
        QCOMPARE(map.PicturesDir(), QString("/some/where/"));
        map.setPicturesDir("");
        QCOMPARE(map.PicturesDir(), QString());
    }

    void loadedActivatesOnlyTheStoredPicture() {
        THyperImages map;
        map.setHotspotsDef(townLines);
        map.setPicture(QPixmap::fromImage(makePicture(200, 100)));
        map.setPictureFilename("Padania.bmp");
        map.Loaded();
        QCOMPARE(map.ActiveHotspots().size(), std::size_t(2));
        QString name;
        QVERIFY(map.HotspotAt(20, 20, name));
        QCOMPARE(name, QString("Bergamo"));
        QVERIFY(!map.HotspotAt(50, 50, name)); // Roma belongs to another picture

        THyperImages other;
        other.setHotspotsDef(townLines);
        other.setPicture(QPixmap::fromImage(makePicture(200, 100)));
        other.setPictureFilename("Unknown.bmp");
        other.Loaded();
        QVERIFY(other.ActiveHotspots().empty());
    }

    void loadPictureSwitchesHotspotsAndLayout() {
        THyperImages map;
        map.resize(777, 537);
        map.setAutoScaleImage(true);
        map.setHotspotsDef(townLines);
        map.setPicturesDir(pictures);
        map.LoadPicture("/elsewhere/Etruria.bmp"); // only the file-name part counts
        QCOMPARE(map.PictureFilename(), QString("Etruria.bmp"));
        QCOMPARE(map.PictureImage().size(), QSize(100, 200));
        QCOMPARE(map.ActiveHotspots().size(), std::size_t(1));
        // 100 x 200 into 775 x 535: the height limits, 267.5 percent.
        QCOMPARE(map.Scale(), 268);
        QCOMPARE(map.PaintArea()->size(), QSize(268, 535));
        QCOMPARE(map.PaintArea()->pos(), QPoint(254, 1));
        QString name;
        QVERIFY(map.HotspotAt(50 * 268 / 100, 50 * 268 / 100, name));
        QCOMPARE(name, QString("Roma"));

        map.LoadPicture("Padania.bmp");
        QCOMPARE(map.ActiveHotspots().size(), std::size_t(2));
        QCOMPARE(map.Scale(), 388);
    }

    void missingPictureShowsWhereItWasLookedFor() {
        Boxes boxes;
        THyperImages map;
        map.setHotspotsDef(townLines);
        map.setPicturesDir(pictures);
        map.LoadPicture("Padania.bmp");
        map.LoadPicture("Sicilia.bmp");
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].kind, MessageKind::Error);
        QCOMPARE(boxes.shown[0].text, "File Sicilia.bmp not found.\rThe file should be in "
                                      "directory :\r" +
                                          pictures);
        // Nothing changed.
        QCOMPARE(map.PictureFilename(), QString("Padania.bmp"));
        QCOMPARE(map.ActiveHotspots().size(), std::size_t(2));
        // A folder of that name is no file either.
        map.LoadPicture("Folder.bmp");
        QCOMPARE(boxes.shown.size(), 2);
        QVERIFY(boxes.shown[1].text.startsWith("File Folder.bmp not found."));

        THyperImages bare;
        bare.LoadPicture("Padania.bmp");
        QCOMPARE(boxes.shown.size(), 3);
        QCOMPARE(boxes.shown[2].text,
                 QString("File Padania.bmp not found.\rThe PicturesDir property is not set."));
    }

    void unreadablePictureRaisesAndReleasesHotspots() {
        THyperImages map;
        map.setHotspotsDef(townLines);
        map.setPicturesDir(pictures);
        map.LoadPicture("Padania.bmp");
        QCOMPARE(errorOf([&] { map.LoadPicture("Notes.txt"); }),
                 QString("Unknown picture file extension (.txt)"));
        QVERIFY(map.ActiveHotspots().empty());
        QCOMPARE(map.PictureFilename(), QString("Padania.bmp"));
        QCOMPARE(map.PictureImage().size(), QSize(200, 100)); // the old picture stays shown

        for (const char* bad : {"Renamed.bmp", "Empty.bmp"}) {
            map.LoadPicture("Padania.bmp");
            const QString message = errorOf([&] { map.LoadPicture(bad); });
            QVERIFY2(message.startsWith("Cannot read the picture " + pictures + bad),
                     qPrintable(message));
            QVERIFY(map.ActiveHotspots().empty());
            QCOMPARE(map.PictureFilename(), QString("Padania.bmp"));
        }
        map.LoadPicture("Padania.bmp"); // still usable afterwards
        QCOMPARE(map.ActiveHotspots().size(), std::size_t(2));
    }

    void scaleAndAutoScaleProperties() {
        THyperImages map;
        map.resize(777, 537);
        map.setPicture(QPixmap::fromImage(makePicture(952, 647)));
        map.setScale(0);
        QCOMPARE(map.Scale(), 100);
        map.setAutoScaleImage(true);
        QCOMPARE(map.Scale(), 81);
        QCOMPARE(map.PaintArea()->geometry(), QRect(1, 5, 775, 527));
        map.setScale(50); // replaced by the fit at once
        QCOMPARE(map.Scale(), 81);
        map.setAutoScalePanel(true);
        QVERIFY(!map.AutoScaleImage());
        map.setScale(50);
        QCOMPARE(map.size(), QSize(478, 325));
        QCOMPARE(map.PaintArea()->geometry(), QRect(1, 1, 476, 323));
        map.setAutoScalePanel(false);
        QVERIFY(!map.AutoScaleImage() && !map.AutoScalePanel());
    }

    void emptyPictureLeavesLayoutAlone() {
        THyperImages map;
        map.resize(300, 300);
        map.setAutoScaleImage(true);
        QCOMPARE(map.PaintArea()->geometry(), QRect(1, 1, 103, 103));
        QCOMPARE(map.Scale(), 100);
    }

    void imageEventsComeFromTheComponent() {
        THyperImages map;
        map.resize(300, 200);
        map.setPicture(QPixmap::fromImage(makePicture(100, 50)));
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        QSignalSpy imageDown(&map, &TCustomHyperImages::OnImageMouseDown);
        QSignalSpy imageClick(&map, &TCustomHyperImages::OnImageClick);
        QSignalSpy frameDown(&map, &TCustomHyperImages::OnMouseDown);
        QTest::mouseClick(map.PaintArea(), Qt::RightButton, {}, QPoint(7, 9));
        QCOMPARE(imageDown.size(), 1);
        QCOMPARE(imageDown[0][0].value<TCustomHyperImages*>(), &map);
        QCOMPARE(imageDown[0][1].value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(imageDown[0][3].toInt(), 7);
        QCOMPARE(imageDown[0][4].toInt(), 9);
        QCOMPARE(imageClick.size(), 0); // a click is the left button
        QTest::mouseClick(map.PaintArea(), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(imageClick.size(), 1);
        QCOMPARE(frameDown.size(), 0);
        // The margin around the picture belongs to the component's own events.
        QTest::mouseClick(&map, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(frameDown.size(), 1);
        QCOMPARE(imageDown.size(), 2);
    }

    void hotTrackingCursorHintAndInversion() {
        THyperImages map;
        loadNorth(map); // 200 x 100 at 100 percent
        map.setHotCursor(crHandPoint);
        map.setHintOnHot(true);
        map.setImageHint("the north");
        map.setInvertOnHot(true);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        QSignalSpy moves(&map, &TCustomHyperImages::OnImageMouseMove);
        TPaintArea* area = map.PaintArea();

        moveTo(area, QPoint(20, 20)); // Bergamo
        QCOMPARE(moves.size(), 1);
        QCOMPARE(map.HotIndex(), 0);
        QVERIFY(map.HotRegion());
        QCOMPARE(area->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(area->hint(), QString("Bergamo"));
        QVERIFY(area->showHint());

        moveTo(area, QPoint(70, 65)); // Milano
        QCOMPARE(moves.size(), 2);
        QCOMPARE(map.HotIndex(), 1);
        QCOMPARE(area->hint(), QString("Milano"));

        moveTo(area, QPoint(150, 20)); // nothing
        QCOMPARE(moves.size(), 3);
        QCOMPARE(map.HotIndex(), -1);
        QVERIFY(!map.HotRegion());
        QCOMPARE(area->hint(), QString("the north"));
        QVERIFY(!area->testAttribute(Qt::WA_SetCursor)); // back to the component's cursor

        moveTo(area, QPoint(20, 20));
        QCOMPARE(map.HotIndex(), 0);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(area, &leave);
        QCOMPARE(map.HotIndex(), -1);
        QVERIFY(!map.HotRegion());
        QCOMPARE(area->hint(), QString("Bergamo")); // leaving does not touch the hint
    }

    void inversionIsPaintedAndUndone() {
        THyperImages map;
        loadNorth(map);
        map.setInvertOnHot(true);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        const QImage before = map.PaintArea()->grab().toImage();
        moveTo(map.PaintArea(), QPoint(20, 20));
        QCOMPARE(map.HotIndex(), 0);
        const QImage hot = map.PaintArea()->grab().toImage();
        // Bergamo is the rectangle 10..29: inverted inside, untouched outside.
        const QRgb in = before.pixel(15, 15), inHot = hot.pixel(15, 15);
        QCOMPARE(qRed(inHot), 255 - qRed(in));
        QCOMPARE(qGreen(inHot), 255 - qGreen(in));
        QCOMPARE(hot.pixel(29, 29), before.pixel(29, 29) ^ 0x00FFFFFFu);
        QCOMPARE(hot.pixel(30, 30), before.pixel(30, 30));
        QCOMPARE(hot.pixel(9, 15), before.pixel(9, 15));
        moveTo(map.PaintArea(), QPoint(150, 20));
        QCOMPARE(map.HotIndex(), -1);
        QCOMPARE(map.PaintArea()->grab().toImage(), before);
    }

    void hugeHotspotIsInvertedOnlyWhereItCanBeSeen() {
        THyperImages map;
        map.resize(202, 102);
        map.setHotspotsDef({"Padania.bmp/Huge=-3;-2000000,-2000000;2000000,2000000;"});
        map.setPicturesDir(pictures);
        map.LoadPicture("Padania.bmp");
        map.setInvertOnHot(true);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        moveTo(map.PaintArea(), QPoint(20, 20));
        QCOMPARE(map.HotIndex(), 0);
        const QImage hot = map.PaintArea()->grab().toImage();
        QCOMPARE(hot.pixel(150, 90), makePicture(200, 100).pixel(150, 90) ^ 0x00FFFFFFu);
    }

    void noActiveHotspotsTrackNothing() {
        THyperImages map;
        map.resize(202, 102);
        map.setPicture(QPixmap::fromImage(makePicture(200, 100)));
        map.setHotCursor(crHandPoint);
        map.setHintOnHot(true);
        map.setImageHint("nothing here");
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        QSignalSpy moves(&map, &TCustomHyperImages::OnImageMouseMove);
        moveTo(map.PaintArea(), QPoint(20, 20));
        QCOMPARE(moves.size(), 1);
        QCOMPARE(map.PaintArea()->hint(), QString());
        QVERIFY(!map.PaintArea()->testAttribute(Qt::WA_SetCursor));
    }

    void showHotspotsDrawsScaledOutlines() {
        THyperImages map;
        map.resize(777, 537);
        map.setHotspotsDef({"Padania.bmp/Milano=-3;328,297;370,332;"});
        map.setAutoScaleImage(true);
        map.setPicture(QPixmap::fromImage(makePicture(952, 647)));
        map.setPictureFilename("Padania.bmp");
        map.Loaded();
        QPen pen(QColor(255, 0, 0));
        pen.setWidth(1);
        map.setHotspotsPen(pen);
        map.setShowHotspots(true);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        const QImage shot = map.PaintArea()->grab().toImage();
        // The outline of Milano lies in the box (265,240)-(299,268) of the paint area.
        int red = 0;
        for (int y = 230; y < 280; ++y) {
            for (int x = 255; x < 310; ++x) {
                if (shot.pixel(x, y) == qRgb(255, 0, 0)) {
                    ++red;
                    QVERIFY2(x >= 265 && x < 299 && y >= 240 && y < 268,
                             qPrintable(QString("%1,%2").arg(x).arg(y)));
                }
            }
        }
        QVERIFY(red > 60);
        QCOMPARE(shot.pixel(282, 240), qRgb(255, 0, 0)); // top of the ellipse
        map.setShowHotspots(false);
        QVERIFY(map.PaintArea()->grab().toImage().pixel(282, 240) != qRgb(255, 0, 0));
    }

    // Enlarged on screen or on a device of more pixels, a map draws from the picture's
    // high-resolution variant, placed as the picture itself; otherwise, and for a picture
    // without one, from the picture.
    void highResolutionVariantWhereEnlarged() {
        const auto halves = [](QSize size, QRgb left, QRgb right) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(left);
            for (int y = 0; y < size.height(); ++y)
                for (int x = size.width() / 2; x < size.width(); ++x)
                    image.setPixel(x, y, right);
            return image;
        };
        const QRgb red = qRgb(200, 0, 0), green = qRgb(0, 200, 0), blue = qRgb(0, 0, 200),
                   yellow = qRgb(200, 200, 0);
        QTemporaryDir folder;
        QVERIFY(halves({40, 30}, red, green).save(folder.filePath("Map.bmp"), "BMP"));
        QVERIFY(halves({160, 120}, blue, yellow).save(folder.filePath("Map@4x.png"), "PNG"));
        QVERIFY(halves({40, 30}, red, green).save(folder.filePath("Plain.bmp"), "BMP"));
        THyperImages map;
        map.setAutoScaleImage(true);
        map.setPicturesDir(folder.path());
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        const auto drawn = [&](qreal ratio) {
            QImage shot(map.PaintArea()->size() * ratio, QImage::Format_RGB32);
            shot.setDevicePixelRatio(ratio);
            map.PaintArea()->render(&shot);
            return shot;
        };
        for (const char* name : {"Map.bmp", "Plain.bmp"}) {
            const bool variant = QString(name) == "Map.bmp";
            map.LoadPicture(name);
            map.resize(42, 32); // 100 percent
            QImage shot = drawn(1);
            QVERIFY(!map.DrawsFromVariant());
            QCOMPARE(shot.pixel(18, 5), red);
            QCOMPARE(shot.pixel(21, 5), green);
            // 100 percent on a device of twice the pixels, once the variant is scaled.
            QTRY_COMPARE(drawn(2).pixel(37, 10), variant ? blue : red);
            shot = drawn(2);
            QCOMPARE(map.DrawsFromVariant(), variant);
            QCOMPARE(shot.pixel(37, 10), variant ? blue : red);
            QCOMPARE(shot.pixel(42, 10), variant ? yellow : green);
            map.resize(82, 62); // 200 percent
            QCOMPARE(map.Scale(), 200);
            QTRY_COMPARE(drawn(1).pixel(37, 10), variant ? blue : red);
            shot = drawn(1);
            QCOMPARE(map.DrawsFromVariant(), variant);
            QCOMPARE(shot.pixel(37, 10), variant ? blue : red);
            QCOMPARE(shot.pixel(42, 10), variant ? yellow : green);
        }
        // A variant of the wrong size is refused with what it should be.
        QVERIFY(halves({100, 120}, blue, yellow).save(folder.filePath("Map@4x.png"), "PNG"));
        QVERIFY(errorOf([&] { map.LoadPicture("Map.bmp"); })
                    .endsWith("is 100 x 120 pixels; as the high-resolution variant of a picture "
                              "of 40 x 30 it must be 160 x 120"));
    }

    // A variant is scaled in the background: the first paint at a new size draws the picture
    // itself, and the map repaints itself from the variant once it is ready. A map destroyed
    // while its variant is being scaled is simply not told.
    void variantIsScaledInTheBackground() {
        QTemporaryDir folder;
        const auto save = [&](QSize size, QRgb colour, const char* file) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(colour);
            return image.save(folder.filePath(file));
        };
        const QRgb red = qRgb(200, 0, 0), blue = qRgb(0, 0, 200);
        QVERIFY(save({40, 30}, red, "Map.bmp") && save({160, 120}, blue, "Map@4x.png"));
        QVERIFY(save({400, 300}, red, "Big.bmp") && save({1600, 1200}, blue, "Big@4x.png"));
        THyperImages map;
        map.setAutoScaleImage(true);
        map.setPicturesDir(folder.path());
        map.resize(82, 62); // 200 percent
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        const auto onScreen = [&] {
            return map.screen()
                ->grabWindow(map.winId())
                .toImage()
                .pixel(map.PaintArea()->pos() + QPoint(40, 30));
        };
        map.LoadPicture("Map.bmp");
        map.PaintArea()->repaint();
        QVERIFY(!map.DrawsFromVariant());
        QCOMPARE(onScreen(), red);
        QTRY_COMPARE(onScreen(), blue);
        QVERIFY(map.DrawsFromVariant());

        auto doomed = std::make_unique<THyperImages>();
        doomed->setAutoScaleImage(true);
        doomed->setPicturesDir(folder.path());
        doomed->resize(802, 602);
        doomed->LoadPicture("Big.bmp");
        QImage shot(doomed->PaintArea()->size(), QImage::Format_RGB32);
        doomed->PaintArea()->render(&shot);
        QVERIFY(ScalingVariants());
        doomed.reset();
        QTRY_VERIFY(!ScalingVariants());
    }

    // Every content hotspot, clicked in the middle of where the map draws it, is hit, and the
    // pointer there makes it hot: its name as the hint, the pixels under the pointer inverted.
    // At the sizes the maps get on 800 x 600, 1024 x 768, 1920 x 1080 and 2560 x 1440 screens.
    void contentHotspotsAreHitWhereTheyAreDrawn_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("definitions");
        QTest::addColumn<QSize>("size");
        const QString content = TERRAVA_SOURCE_DIR "/content/";
        const QList<QSize> regionSizes{{777, 537}, {995, 687}, {1615, 1116}, {2153, 1487}};
        const QList<QSize> nationSizes{{337, 377}, {432, 483}, {701, 784}, {934, 1045}};
        const auto row = [&](const QString& picture, const QString& definitions, QSize size) {
            QTest::addRow("%s %dx%d", qPrintable(picture), size.width(), size.height())
                << content + picture << content + definitions << size;
        };
        for (int i = 0; i < regionSizes.size(); ++i) {
            row("Italia.bmp", "nation-hotspots.txt", nationSizes[i]);
            row("Padania.bmp", "town-hotspots.txt", regionSizes[i]);
            for (const char* region : {"Padania", "Etruria", "Ausonia", "Sicilia", "Sardegna"})
                row(QString("images/%1.bmp").arg(region), "town-hotspots.txt", regionSizes[i]);
        }
    }
    void contentHotspotsAreHitWhereTheyAreDrawn() {
        QFETCH(QString, picture);
        QFETCH(QString, definitions);
        QFETCH(QSize, size);
        THyperImages map;
        map.resize(size);
        map.setAutoScaleImage(true);
        map.setHotspotsDef(ReadDefinitionLines(definitions));
        map.setPicturesDir(QFileInfo(picture).path());
        map.LoadPicture(QFileInfo(picture).fileName());
        map.setInvertOnHot(true);
        map.setHintOnHot(true);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        QString clicked;
        connect(
            &map, &TCustomHyperImages::OnImageMouseDown,
            [&](TCustomHyperImages* sender, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                clicked.clear();
                sender->HotspotAt(x, y, clicked);
            });

        QList<QPoint> middles;
        for (const ActiveHotspot& entry : map.ActiveHotspots())
            middles << middleOf(*entry.region);
        const QSize pictureSize = map.PictureImage().size();
        const double ratio = map.Scale() / 100.0;
        QStringList missed;
        for (const QList<int>& group : markGroups(middles)) {
            QImage marks(pictureSize, QImage::Format_RGB32);
            marks.fill(Qt::white);
            for (int i : group)
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        marks.setPixel(middles[i] + QPoint(dx, dy), qRgb(0, 0, 0));
            map.setPicture(QPixmap::fromImage(marks)); // same size: same layout, same hotspots
            QEvent leave(QEvent::Leave);               // no hotspot inverted on the shot
            QApplication::sendEvent(map.PaintArea(), &leave);
            const QImage shot = map.PaintArea()->grab().toImage();
            for (int i : group) {
                const QPoint expected((middles[i].x() + 0.5) * ratio,
                                      (middles[i].y() + 0.5) * ratio);
                const QPoint at = drawnMark(shot, expected);
                QTest::mouseClick(map.PaintArea(), Qt::LeftButton, {}, at);
                moveTo(map.PaintArea(), at);
                const QRgb hot =
                    map.PaintArea()->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0);
                const QString name = map.hotspotMap().nameOfActive(i);
                if (clicked != name || map.PaintArea()->hint() != name ||
                    hot != (shot.pixel(at) ^ 0x00FFFFFFu))
                    missed << QString("%1 at %2,%3").arg(name).arg(at.x()).arg(at.y());
            }
        }
        qInfo("%s at %d percent: %d of %d hotspots hit in their middle", qPrintable(picture),
              map.Scale(), int(middles.size() - missed.size()), int(middles.size()));
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join(", ")));
    }

    // Outlines keep to the shape's box [x1, x2) x [y1, y2) whichever corners come first: a
    // rectangle's on the region's outermost pixels; a curve's within the same box (its region
    // stops a pixel short at the right and bottom); a polygon's through its corners.
    void outlinesLieOnTheRegionsPixels_data() {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QRect>("outline");
        QTest::newRow("rectangle") << "-1;10,12;40,30;" << QRect(10, 12, 30, 18);
        QTest::newRow("rectangle swapped") << "-1;40,30;10,12;" << QRect(10, 12, 30, 18);
        QTest::newRow("rectangle mixed") << "-1;40,12;10,30;" << QRect(10, 12, 30, 18);
        QTest::newRow("ellipse") << "-3;10,12;40,30;" << QRect(10, 12, 30, 18);
        QTest::newRow("ellipse swapped") << "-3;40,30;10,12;" << QRect(10, 12, 30, 18);
        QTest::newRow("rounded swapped") << "-2;40,30;10,12;6,6;" << QRect(10, 12, 30, 18);
        QTest::newRow("polygon") << "3;10,12;40,12;10,30;" << QRect(10, 12, 31, 19);
    }
    void outlinesLieOnTheRegionsPixels() {
        QFETCH(QString, shape);
        QFETCH(QRect, outline);
        THyperImages map;
        map.resize(102, 102);
        map.setHotspotsDef({"a.bmp/A=" + shape});
        map.setPicture(QPixmap::fromImage(makePicture(100, 100)));
        map.setPictureFilename("a.bmp");
        map.Loaded();
        map.setHotspotsPen(QPen(QColor(255, 0, 0), 1));
        map.setShowHotspots(true);
        const QImage shot = map.PaintArea()->grab().toImage();
        QRect red;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) == qRgb(255, 0, 0))
                    red |= QRect(x, y, 1, 1);
        QCOMPARE(red, outline);
    }

    void emptyMapAndTransparentPixelsShowTheFace() {
        const QRgb face = qRgb(10, 120, 200), red = qRgb(255, 0, 0);
        THyperImages map;
        map.resize(34, 34);
        map.setColor(face);
        QImage shot = map.PaintArea()->grab().toImage();
        for (QPoint at : {QPoint(0, 0), QPoint(50, 50), QPoint(102, 102)})
            QCOMPARE(shot.pixel(at), face);
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 16; ++x)
                icon.setPixel(x, y, red);
        QVERIFY(icon.save(dir.filePath("Half.ico"), "ICO"));
        map.setPicturesDir(dir.path());
        map.LoadPicture("Half.ico");
        shot = map.PaintArea()->grab().toImage();
        QCOMPARE(shot.pixel(5, 10), red);
        QCOMPARE(shot.pixel(24, 10), face);
    }

    void loadingAnotherPictureClearsTheInversion() {
        THyperImages map;
        loadNorth(map);
        map.setInvertOnHot(true);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        moveTo(map.PaintArea(), QPoint(20, 20));
        QCOMPARE(map.HotIndex(), 0);
        map.LoadPicture("Etruria.bmp");
        QCOMPARE(map.HotIndex(), -1);
        QVERIFY(!map.HotRegion());
        const QImage shot = map.PaintArea()->grab().toImage();
        THyperImages fresh;
        fresh.resize(202, 102);
        fresh.setPicturesDir(pictures);
        fresh.LoadPicture("Etruria.bmp");
        QCOMPARE(shot, fresh.PaintArea()->grab().toImage());
    }

    // A bad line in the new picture's definitions stops the loading after the picture is
    // replaced: the lines before it are active, the name and the layout are the old ones.
    void badLineStopsLoadingBeforeNameAndLayout() {
        THyperImages map;
        map.resize(777, 537);
        map.setAutoScaleImage(true);
        map.setHotspotsDef(townLines +
                           QStringList{"Etruria.bmp/A=-1;0,0;5,5;", "Etruria.bmp/B=-1;x,0;5,5;"});
        map.setPicturesDir(pictures);
        map.LoadPicture("Padania.bmp");
        const QRect area = map.PaintArea()->geometry();
        QCOMPARE(map.Scale(), 388);
        QCOMPARE(errorOf([&] { map.LoadPicture("Etruria.bmp"); }),
                 QString("'x' is not a valid integer value"));
        QCOMPARE(map.PictureImage().size(), QSize(100, 200));
        QCOMPARE(map.ActiveHotspots().size(), std::size_t(1));
        QCOMPARE(map.PictureFilename(), QString("Padania.bmp"));
        QCOMPARE(map.Scale(), 388);
        QCOMPARE(map.PaintArea()->geometry(), area);
    }

    // With a single border the paint area and the inverted hotspot sit inside it.
    void singleBorderOffsetsPaintAreaAndInversion() {
        THyperImages map;
        map.setBorderStyle(1);
        map.resize(206, 106); // border 2 and bevel 1 around 200 x 100
        map.setAutoScaleImage(true);
        map.setHotspotsDef(townLines);
        map.setPicturesDir(pictures);
        map.LoadPicture("Padania.bmp");
        map.setInvertOnHot(true);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        QCOMPARE(map.Scale(), 100);
        QCOMPARE(map.PaintArea()->geometry(), QRect(3, 3, 200, 100));
        const QImage before = map.grab().toImage();
        moveTo(map.PaintArea(), QPoint(20, 20));
        QCOMPARE(map.HotIndex(), 0);
        const QImage hot = map.grab().toImage();
        // Bergamo covers 10..29 of the picture, 13..32 of the component.
        for (QPoint at : {QPoint(13, 13), QPoint(32, 32)})
            QCOMPARE(hot.pixel(at), before.pixel(at) ^ 0x00FFFFFFu);
        for (QPoint at : {QPoint(12, 20), QPoint(20, 12), QPoint(33, 20), QPoint(20, 33)})
            QCOMPARE(hot.pixel(at), before.pixel(at));
    }

    // The hint is cancelled when the hotspot under the pointer changes, not when it stays.
    void hintIsCancelledWhenTheHotspotChanges() {
        THyperImages map;
        loadNorth(map);
        map.setHintOnHot(true);
        map.setImageHint("the north");
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        TPaintArea* area = map.PaintArea();
        const auto showTip = [&](QPoint at) {
            QToolTip::showText(area->mapToGlobal(at), area->hint());
            QVERIFY(QToolTip::isVisible());
        };
        moveTo(area, QPoint(20, 20)); // Bergamo
        showTip(QPoint(20, 20));
        moveTo(area, QPoint(25, 15)); // still Bergamo
        QTest::qWait(400);            // a cancelled tip is gone by now
        QVERIFY(QToolTip::isVisible());
        moveTo(area, QPoint(70, 65)); // Milano
        QTRY_VERIFY(!QToolTip::isVisible());
        showTip(QPoint(70, 65));
        moveTo(area, QPoint(150, 20)); // no hotspot
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    // Moving within the inverted hotspot leaves the inversion as it is: nothing is repainted.
    void movingWithinTheInvertedHotspotRepaintsNothing() {
        THyperImages map;
        loadNorth(map);
        map.setInvertOnHot(true);
        map.show();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        moveTo(map.PaintArea(), QPoint(20, 20));
        QCoreApplication::processEvents();
        PaintCounter paints(map.PaintArea());
        moveTo(map.PaintArea(), QPoint(25, 15));
        moveTo(map.PaintArea(), QPoint(12, 28));
        QCoreApplication::processEvents();
        QCOMPARE(map.HotIndex(), 0);
        QCOMPARE(paints.count, 0);
        moveTo(map.PaintArea(), QPoint(70, 65)); // a change does repaint
        QCoreApplication::processEvents();
        QVERIFY(paints.count > 0);
    }

    void badDefinitionAtEndOfLoadingPassesOut() {
        THyperImages map;
        map.setHotspotsDef({"a.bmp/A=-1;0,0;5,5;", "a.bmp/B=-1;0,zero;5,5;"});
        map.setPicture(QPixmap::fromImage(makePicture(10, 10)));
        map.setPictureFilename("a.bmp");
        QCOMPARE(errorOf([&] { map.Loaded(); }), QString("'zero' is not a valid integer value"));
        QCOMPARE(map.ActiveHotspots().size(), std::size_t(1));
    }
};

QTEST_MAIN(HyperImagesTest)
#include "test_hyperimages.moc"
