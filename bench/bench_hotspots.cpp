// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The map component's hot paths: hit testing, building regions, loading and painting a map.

#include "HImages.h"
#include "RatioReporter.h"
#include "ShownPicture.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QRect>
#include <QTemporaryDir>

namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "bench_hotspots";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

// 145 town ellipses spread over a 952 x 647 picture, 7 to 45 pixels wide, as on a region map.
QStringList townLines() {
    QRandomGenerator random(145);
    QStringList lines;
    for (int i = 0; i < 145; ++i) {
        const int w = 7 + int(random.bounded(39)), h = 7 + int(random.bounded(34));
        const int x = int(random.bounded(952 - w)), y = int(random.bounded(647 - h));
        lines << QString("Padania.bmp/Town %1=-3;%2,%3;%4,%5;")
                     .arg(i, 3, 10, QLatin1Char('0'))
                     .arg(x)
                     .arg(y)
                     .arg(x + w)
                     .arg(y + h);
    }
    return lines;
}

std::vector<QPoint> randomPoints(int w, int h) {
    QRandomGenerator random(7);
    std::vector<QPoint> points(4096);
    for (QPoint& p : points)
        p = QPoint(int(random.bounded(w)), int(random.bounded(h)));
    return points;
}

// An uncompressed 4-bit BMP with a 16-colour palette, like the shipped maps.
void writeBmp4(const QString& path, int w, int h) {
    const int rowBytes = ((w + 1) / 2 + 3) / 4 * 4;
    const quint32 offset = 14 + 40 + 16 * 4;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QDataStream s(&file);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint16(0x4D42) << quint32(offset + rowBytes * h) << quint32(0) << offset;
    s << quint32(40) << qint32(w) << qint32(h) << quint16(1) << quint16(4) << quint32(0)
      << quint32(rowBytes * h) << qint32(3780) << qint32(3780) << quint32(16) << quint32(0);
    for (int i = 0; i < 16; ++i)
        s << quint8(i * 16) << quint8(255 - i * 8) << quint8(200) << quint8(0);
    QByteArray row(rowBytes, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; x += 2)
            row[x / 2] = char((((x * 7 + y) / 40) % 16) << 4 | (((x * 7 + y + 7) / 40) % 16));
        s.writeRawData(row.constData(), rowBytes);
    }
}

void BM_HotspotAt(benchmark::State& state) {
    HotspotMap map;
    map.definitions().assign(townLines());
    map.BuildRegions("Padania.bmp");
    const std::vector<QPoint> points = randomPoints(775, 527);
    std::size_t i = 0;
    QString name;
    for (auto _ : state) {
        const QPoint& p = points[i++ & 4095];
        benchmark::DoNotOptimize(map.HotspotAt(p.x(), p.y(), 81, name));
    }
}
BENCHMARK(BM_HotspotAt);

// The floor: the same walk over 145 plain rectangles.
void BM_HotspotAt_Baseline(benchmark::State& state) {
    std::vector<QRect> boxes;
    for (const QString& line : townLines()) {
        const THotspotRec r = ParseHotspot(line);
        boxes.emplace_back(QPoint(r.Points[0].x, r.Points[0].y),
                           QPoint(r.Points[2].x, r.Points[2].y));
    }
    const std::vector<QPoint> points = randomPoints(775, 527);
    std::size_t i = 0;
    for (auto _ : state) {
        const QPoint& p = points[i++ & 4095];
        const QPoint q(p.x() * 100 / 81, p.y() * 100 / 81);
        int hit = -1;
        for (std::size_t k = 0; k < boxes.size() && hit < 0; ++k)
            if (boxes[k].contains(q))
                hit = int(k);
        benchmark::DoNotOptimize(hit);
    }
}
BENCHMARK(BM_HotspotAt_Baseline);

void BM_BuildRegions(benchmark::State& state) {
    HotspotMap map;
    map.definitions().assign(townLines());
    for (auto _ : state) {
        map.DeleteRegions();
        map.BuildRegions("Padania.bmp");
        benchmark::DoNotOptimize(map.active().data());
    }
}
BENCHMARK(BM_BuildRegions);

// The floor: splitting the same lines into their fields.
void BM_BuildRegions_Baseline(benchmark::State& state) {
    const QStringList lines = townLines();
    for (auto _ : state) {
        qsizetype fields = 0;
        for (const QString& line : lines)
            fields += line.split(QLatin1Char(';')).size();
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(BM_BuildRegions_Baseline);

// The map as the game shows it: argument 0 on an 800 x 600 screen (81 percent, drawn from the
// picture), 1 on a 1920 x 1080 screen (169 percent, drawn from the high-resolution variant),
// 2 on an 800 x 600 screen of twice the pixels (162 percent on the device, from the variant).
struct MapFixture {
    QTemporaryDir dir;
    THyperImages map;
    qreal ratio = 1;
    QImage target;
    explicit MapFixture(int screen) {
        writeBmp4(dir.filePath("Padania.bmp"), 952, 647);
        QImage(dir.filePath("Padania.bmp"))
            .convertToFormat(QImage::Format_RGB32)
            .scaled(952 * 4, 647 * 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_Indexed8) // as the shipped variants are
            .save(dir.filePath("Padania@4x.png"), "PNG");
        map.resize(screen == 1 ? QSize(1615, 1116) : QSize(777, 537));
        ratio = screen == 2 ? 2 : 1;
        target = QImage(map.size() * ratio, QImage::Format_RGB32);
        target.setDevicePixelRatio(ratio);
        map.setAutoScaleImage(true);
        map.setHotspotsDef(townLines());
        map.setPicturesDir(dir.path());
    }
};

// Waits for the variants being scaled in the background, and lets the maps take them.
void settle() {
    while (ScalingVariants())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Loading a map and painting it once: the scaled picture is made on the first paint. The second
// argument 1: the first time this picture is shown at this size (the picture drawn while its
// variant is scaled in the background); 0: shown before (its variant scaled already).
void BM_LoadPicture(benchmark::State& state) {
    app();
    MapFixture f(int(state.range(0)));
    const bool first = state.range(1) == 1;
    f.map.LoadPicture("Padania.bmp");
    f.map.render(&f.target);
    settle();
    for (auto _ : state) {
        if (first) {
            state.PauseTiming();
            settle();
            ForgetScaledVariants();
            state.ResumeTiming();
        }
        f.map.LoadPicture("Padania.bmp");
        f.map.render(&f.target);
        benchmark::DoNotOptimize(f.target.constBits());
    }
}
#define LOAD_CASES Args({0, 0})->Args({1, 0})->Args({2, 0})->Args({1, 1})->Args({2, 1})
BENCHMARK(BM_LoadPicture)->LOAD_CASES->Unit(benchmark::kMillisecond);

// The floor: reading the same file into an image.
void BM_LoadPicture_Baseline(benchmark::State& state) {
    app();
    MapFixture f(0);
    const QString path = f.dir.filePath("Padania.bmp");
    for (auto _ : state) {
        QImage image(path, "BMP");
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LoadPicture_Baseline)->LOAD_CASES->Unit(benchmark::kMillisecond);

void BM_Repaint(benchmark::State& state) {
    app();
    MapFixture f(int(state.range(0)));
    f.map.LoadPicture("Padania.bmp");
    f.map.render(&f.target); // the first paint scales the picture once
    settle();                // and its variant
    f.map.render(&f.target);
    for (auto _ : state) {
        f.map.render(&f.target);
        benchmark::DoNotOptimize(f.target.constBits());
    }
}
BENCHMARK(BM_Repaint)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The floor: drawing an already scaled picture of the 800 x 600 map's size.
void BM_Repaint_Baseline(benchmark::State& state) {
    app();
    const QPixmap pixmap = QPixmap::fromImage(QImage(775, 527, QImage::Format_RGB32));
    QImage target(777, 537, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawPixmap(1, 5, pixmap);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_Repaint_Baseline)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

TERRAVA_BENCHMARK_MAIN()
