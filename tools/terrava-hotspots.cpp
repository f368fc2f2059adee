// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// terrava-hotspots: checks and inspects hotspot definition files for map content makers.
//
//   terrava-hotspots check FILE                  every fault with its line number; exit 1 if any
//   terrava-hotspots hit FILE PICTURE X Y        the hotspot at picture point (X, Y), Scale 100
//   terrava-hotspots mask LINE                   the pixels of one line's region, row by row
//   terrava-hotspots overlay PICTURE FILE OUT    the picture with outlines and names drawn over

#include "DefinitionResource.h"
#include "Error.h"
#include "HotspotMap.h"

#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

namespace {

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

int usage() {
    err() << "usage: terrava-hotspots check FILE\n"
             "       terrava-hotspots hit FILE PICTURE X Y\n"
             "       terrava-hotspots mask LINE\n"
             "       terrava-hotspots overlay PICTURE FILE OUT.png\n";
    err().flush();
    return 2;
}

// The lines of a definitions file, read as the game reads them.
bool readLines(const QString& path, QStringList& lines) {
    try {
        lines = ReadDefinitionFile(path);
    } catch (const TerravaError& e) {
        err() << "terrava-hotspots: " << e.message() << "\n";
        return false;
    }
    return true;
}

bool parseInt(const QString& text, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

// The hotspots of a definitions file made active for one picture (its folder dropped).
bool buildMap(const QString& path, const QString& picture, HotspotMap& map) {
    QStringList lines;
    if (!readLines(path, lines))
        return false;
    map.definitions().assign(lines);
    try {
        map.BuildRegions(QFileInfo(picture).fileName());
    } catch (const TerravaError& e) {
        err() << "terrava-hotspots: " << e.message() << "\n";
        return false;
    }
    return true;
}

int check(const QString& path) {
    QStringList lines;
    if (!readLines(path, lines))
        return 2;
    HotspotDefinitionList sorted;
    int faults = 0;
    auto fault = [&](int number, const QString& what) {
        out() << path << ":" << number << ": " << what << "\n";
        ++faults;
    };
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty()) {
            fault(i + 1, QStringLiteral("empty line"));
            continue;
        }
        try {
            const THotspotRec rec = ParseHotspot(line);
            const RegionHandle region = CreateHotspotRegion(rec);
            if (!region)
                fault(i + 1, QStringLiteral("shape number %1 gives no region").arg(rec.Shape));
            else if (region->isEmpty())
                fault(i + 1, QStringLiteral("the region holds no pixel"));
            if (rec.Name.isEmpty())
                fault(i + 1, QStringLiteral("the hotspot has no name"));
        } catch (const TerravaError& e) {
            fault(i + 1, e.message());
        }
        if (!sorted.add(line))
            fault(i + 1, QStringLiteral("duplicate of an earlier line (ignoring case)"));
        else if (i > 0 && sorted.compare(lines[i - 1], line) > 0)
            fault(i + 1, QStringLiteral("out of order: sorts before the line above"));
    }
    out().flush();
    return faults == 0 ? 0 : 1;
}

int hit(const QString& path, const QString& picture, const QString& xs, const QString& ys) {
    int x = 0, y = 0;
    if (!parseInt(xs, x) || !parseInt(ys, y))
        return usage();
    HotspotMap map;
    if (!buildMap(path, picture, map))
        return 2;
    QString name;
    if (!map.HotspotAt(x, y, 100, name))
        return 1;
    out() << name << "\n";
    return 0;
}

int mask(const QString& line) {
    RegionHandle region;
    try {
        region = CreateHotspotRegion(ParseHotspot(line));
    } catch (const TerravaError& e) {
        err() << "terrava-hotspots: " << e.message() << "\n";
        return 2;
    }
    if (!region || region->isEmpty())
        return 0;
    for (std::int64_t y = region->top(); y < region->bottom(); ++y) {
        const std::vector<Region::Span> spans = region->rowSpans(y);
        if (spans.empty())
            continue;
        out() << y << ":";
        for (const Region::Span& span : spans)
            out() << " " << span.begin << "-" << span.end;
        out() << "\n";
    }
    return 0;
}

int overlay(const QString& picturePath, const QString& path, const QString& outPath) {
    QImage image(picturePath);
    if (image.isNull()) {
        err() << "terrava-hotspots: cannot read the picture " << picturePath << "\n";
        return 2;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    HotspotMap map;
    if (!buildMap(path, picturePath, map))
        return 2;
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    for (const ActiveHotspot& entry : map.active()) {
        if (!entry.region || entry.region->isEmpty())
            continue;
        const Region& region = *entry.region;
        // Outline: every region pixel with a neighbour outside the region.
        for (std::int64_t y = region.top(); y < region.bottom(); ++y)
            for (std::int64_t x = region.left(); x < region.right(); ++x)
                if (region.contains(x, y) &&
                    (!region.contains(x - 1, y) || !region.contains(x + 1, y) ||
                     !region.contains(x, y - 1) || !region.contains(x, y + 1)))
                    image.setPixel(int(x), int(y), qRgb(255, 0, 255));
        const QString name = SplitDefinition(entry.definition).name;
        painter.setPen(Qt::black);
        painter.drawText(QPoint(int(region.right()) + 2, int(region.bottom())), name);
    }
    painter.end();
    if (!image.save(outPath, "PNG")) {
        err() << "terrava-hotspots: cannot write " << outPath << "\n";
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // drawing text needs no screen
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (command == QLatin1String("check") && args.size() == 2)
        return check(args[1]);
    if (command == QLatin1String("hit") && args.size() == 5)
        return hit(args[1], args[2], args[3], args[4]);
    if (command == QLatin1String("mask") && args.size() == 2)
        return mask(args[1]);
    if (command == QLatin1String("overlay") && args.size() == 4)
        return overlay(args[1], args[2], args[3]);
    return usage();
}
