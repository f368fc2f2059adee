// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The committed map content measured against what the game needs of it: the definition lists,
// the pictures and their towns, what the regions map lets a player click, the sounds and the
// help page.

#include "HotspotDefinition.h"
#include "HotspotMap.h"
#include "Layout.h"

#include <QColor>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <climits>
#include <cmath>
#include <map>
#include <optional>

namespace {

const QString contentDir = QStringLiteral(TERRAVA_SOURCE_DIR "/content/");

// The regions map: 777 x 537 with a frame of 1, its top 64 pixels hidden above the page.
constexpr int MapWidth = 777;
constexpr int MapHeight = 537;
constexpr int HiddenStrip = 64;

const QRgb Land = qRgb(240, 240, 224);
const QRgb Sea = qRgb(207, 223, 239);
const QRgb Water = qRgb(127, 159, 207);
const QRgb Coast = qRgb(176, 207, 192);
const QRgb TownGreen = qRgb(0, 128, 0);
const QRgb Road = qRgb(192, 16, 31);
const QRgb Lettering = qRgb(64, 64, 64);

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

QStringList readLines(const QString& path) {
    QStringList lines = QString::fromUtf8(readBytes(path)).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The rows of a committed CSV file after its header, split at commas.
QList<QStringList> readCsv(const QString& name) {
    QList<QStringList> rows;
    const QStringList lines = readLines(contentDir + name);
    for (qsizetype i = 1; i < lines.size(); ++i)
        rows.append(lines[i].split(QLatin1Char(',')));
    return rows;
}

struct Projection {
    int width = 0, height = 0;
    double sx = 0, sy = 0, lon0 = 0, lat0 = 0;
    QPointF toPixel(double lon, double lat) const { return {sx * (lon - lon0), sy * (lat0 - lat)}; }
};

std::map<QString, Projection> projections() {
    std::map<QString, Projection> out;
    for (const QStringList& r : readCsv(QStringLiteral("projections.csv")))
        out[r[0]] = {r[1].toInt(),    r[2].toInt(),    r[3].toDouble(),
                     r[4].toDouble(), r[5].toDouble(), r[6].toDouble()};
    return out;
}

struct Town {
    QStringList pictures;
    double lon = 0, lat = 0;
};

QHash<QString, Town> towns() {
    QHash<QString, Town> out;
    for (const QStringList& r : readCsv(QStringLiteral("towns.csv")))
        out[r[0]] = {r[1].split(QLatin1Char(' ')), r[2].toDouble(), r[3].toDouble()};
    return out;
}

QImage picture(const QString& name) {
    const QString path =
        name == QLatin1String("Italia.bmp") ? contentDir + name : contentDir + "images/" + name;
    QImage image(path);
    if (image.isNull())
        qFatal("cannot load %s", qPrintable(path));
    return image;
}

// The pixels of a region, in picture coordinates.
template <typename F> void forEachPixel(const Region& region, F f) {
    for (std::int64_t y = region.top(); y < region.bottom(); ++y)
        for (const Region::Span& span : region.rowSpans(y))
            for (std::int64_t x = span.begin; x < span.end; ++x)
                f(int(x), int(y));
}

// The towns of the quiz as the town list is filled: names in the order of their first
// definition, a name equal to one already listed (ignoring case) left out.
QStringList townList(const QStringList& definitions) {
    QStringList list;
    for (const QString& line : definitions) {
        const QString name = SplitDefinition(line).name;
        bool listed = false;
        for (const QString& item : list)
            listed = listed || item.compare(name, Qt::CaseInsensitive) == 0;
        if (!listed)
            list.append(name);
    }
    return list;
}

struct BmpHeader {
    quint16 magic = 0;
    qint32 width = 0, height = 0;
    quint16 bitsPerPixel = 0;
    quint32 compression = 0, coloursUsed = 0;
};

BmpHeader bmpHeader(const QByteArray& bytes) {
    BmpHeader h;
    if (bytes.size() < 54)
        return h;
    const auto* d = reinterpret_cast<const uchar*>(bytes.constData());
    h.magic = qFromLittleEndian<quint16>(d);
    h.width = qFromLittleEndian<qint32>(d + 18);
    h.height = qFromLittleEndian<qint32>(d + 22);
    h.bitsPerPixel = qFromLittleEndian<quint16>(d + 28);
    h.compression = qFromLittleEndian<quint32>(d + 30);
    h.coloursUsed = qFromLittleEndian<quint32>(d + 46);
    return h;
}

// The map colour nearest to a pixel's colour.
QRgb nearestMapColour(QRgb c) {
    static const QRgb colours[] = {Land, Sea, Water, Coast, TownGreen, Road, Lettering};
    QRgb best = colours[0];
    int bestDistance = INT_MAX;
    for (QRgb m : colours) {
        const int dr = qRed(c) - qRed(m), dg = qGreen(c) - qGreen(m), db = qBlue(c) - qBlue(m);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = m;
        }
    }
    return best;
}

// The mean position of the town-green pixels in a box, or none when there are none.
std::optional<QPointF> greenCentre(const QImage& image, QRect box) {
    box &= image.rect();
    double sumX = 0, sumY = 0;
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (nearestMapColour(image.pixel(x, y)) == TownGreen) {
                sumX += x;
                sumY += y;
                ++count;
            }
    if (count == 0)
        return std::nullopt;
    return QPointF(sumX / count, sumY / count);
}

} // namespace

class TestContent : public QObject {
    Q_OBJECT

private slots:
    void definitionListsHoldTheMapsTowns();
    void definitionListsAreInTheMapsOrder();
    void picturesHaveTheirSizesAndColours();
    void eachHotspotLiesOnItsTownsPatch();
    void everyTownCanBeClickedBelowTheHiddenStrip();
    void nationMapShowsEveryTownInItsRegion();
    void highResolutionVariantsLineUpWithTheirPictures();
    void soundsAreShortMonoPcmWaves();
    void helpPageCreditsTheData();
};

void TestContent::definitionListsHoldTheMapsTowns() {
    const QStringList lines = readLines(contentDir + "town-hotspots.txt");
    QCOMPARE(lines.size(), 145);

    const std::map<QString, QStringList> expected = {
        {"Ausonia.bmp",
         {"Bari", "Caserta", "Lecce", "Messina", "Napoli", "Palermo", "Potenza", "Reggio Calabria",
          "Salerno", "Taranto"}},
        {"Etruria.bmp", {"Ancona",     "Anzio",
                         "Arezzo",     "Ascoli Piceno",
                         "Carrara",    "Cesena",
                         "Chieti",     "Fano",
                         "Firenze",    "Foggia",
                         "Foligno",    "Forli",
                         "Frosinone",  "Grosseto",
                         "Jesi",       "L Aquila",
                         "La Spezia",  "Latina",
                         "Livorno",    "Lucca",
                         "Massa",      "Montecatini Terme",
                         "Ostia",      "Perugia",
                         "Pesaro",     "Pescara",
                         "Pisa",       "Pistoia",
                         "Prato",      "Riccione",
                         "Rimini",     "Roma",
                         "Senigallia", "Siena",
                         "Teramo",     "Terni",
                         "Viareggio",  "Viterbo"}},
        {"Padania.bmp",
         {"Abano Terme",
          "Alassio",
          "Alba",
          "Albenga",
          "Alessandria",
          "Aosta",
          "Bassano del Grappa",
          "Belluno",
          "Bergamo",
          "Biella",
          "Bologna",
          "Bolzano",
          "Brescia",
          "Bressanone",
          "Busto Arsizio",
          "Carpi",
          "Carrara",
          "Casale Monferrato",
          "Cervia",
          "Cesena",
          "Cesenatico",
          "Chiavari",
          "Como",
          "Conegliano",
          "Cortina di Ampezzo",
          "Crema",
          "Cremona",
          "Cuneo",
          "Faenza",
          "Ferrara",
          "Fidenza",
          "Firenze",
          "Forli",
          "Gallarate",
          "Genova",
          "Gorizia",
          "Imola",
          "Imperia",
          "Jesolo",
          "La Spezia",
          "Lecco",
          "Lignano Sabbiadoro",
          "Lodi",
          "Lucca",
          "Mantova",
          "Massa",
          "Merano",
          "Mestre",
          "Milano",
          "Modena",
          "Monfalcone",
          "Montecatini Terme",
          "Monza",
          "Novara",
          "Novi Ligure",
          "Padova",
          "Parma",
          "Pavia",
          "Piacenza",
          "Pinerolo",
          "Pistoia",
          "Pordenone",
          "Prato",
          "Rapallo",
          "Ravenna",
          "Reggio Emilia",
          "Rho",
          "Riccione",
          "Rimini",
          "Rivoli",
          "Rovereto",
          "Rovigo",
          "Salsomaggiore",
          "Sassuolo",
          "Savona",
          "Schio",
          "Thiene",
          "Torino",
          "Tortona",
          "Trento",
          "Treviso",
          "Udine",
          "Valdagno",
          "Varese",
          "Venezia",
          "Verbania",
          "Vercelli",
          "Verona",
          "Viareggio",
          "Vicenza",
          "Vigevano",
          "Vittorio Veneto"}},
        {"Sardegna.bmp", {"Cagliari", "Sassari"}},
        {"Sicilia.bmp", {"Catania", "Messina", "Palermo"}},
    };
    std::map<QString, QStringList> found;
    int polygons = 0;
    for (const QString& line : lines) {
        const THotspotRec h = ParseHotspot(line);
        QVERIFY2(CreateHotspotRegion(h).has_value(), qPrintable(line));
        found[PictureOfDefinition(line)].append(h.Name);
        if (h.Shape == skPolygon) {
            ++polygons;
            continue;
        }
        QCOMPARE(int(h.Shape), int(skEllipse));
        const int w = h.Points[2].x - h.Points[0].x;
        const int ht = h.Points[2].y - h.Points[0].y;
        QVERIFY2(w >= 7 && w <= 45 && ht >= 7 && ht <= 40, qPrintable(line));
    }
    QCOMPARE(polygons, 1);
    QCOMPARE(found.size(), expected.size());
    for (const auto& [pictureName, names] : expected)
        QCOMPARE(found[pictureName], names);
    QCOMPARE(townList(lines).size(), 130);

    // The definitions whose coordinates are fixed stand in the lists as they are written.
    for (const char* given :
         {"Ausonia.bmp/Napoli=7;229,113;241,101;253,101;271,117;270,130;249,114;236,127;",
          "Padania.bmp/Milano=-3;328,297;370,332;", "Etruria.bmp/Roma=-3;409,423;450,463;",
          "Padania.bmp/Genova=-3;292,504;337,526;", "Padania.bmp/Rivoli=-3;124,386;131,396;",
          "Etruria.bmp/Forli=-3;360,1;376,9;", "Etruria.bmp/Firenze=-3;247,76;272,94;",
          "Padania.bmp/Firenze=-3;608,623;629,640;", "Sicilia.bmp/Palermo=-3;134,42;160,67;",
          "Sardegna.bmp/Cagliari=-3;151,401;165,416;"})
        QVERIFY2(lines.contains(QString::fromLatin1(given)), given);

    const QStringList nation = readLines(contentDir + "nation-hotspots.txt");
    QCOMPARE(nation.size(), 5);
    QVERIFY(nation.contains("Italia.bmp/Sicilia=5;267,546;279,521;413,519;393,614;368,617;"));
    QVERIFY(nation.contains("Italia.bmp/Sardegna=6;87,364;97,482;113,489;162,475;164,345;94,346;"));
    QStringList regions;
    for (const QString& line : nation)
        regions.append(SplitDefinition(line).name);
    QCOMPARE(regions, QStringList({"Ausonia", "Etruria", "Padania", "Sardegna", "Sicilia"}));
}

void TestContent::definitionListsAreInTheMapsOrder() {
    for (const char* file : {"town-hotspots.txt", "nation-hotspots.txt"}) {
        const QStringList lines = readLines(contentDir + file);
        HotspotDefinitionList list;
        list.assign(lines);
        QCOMPARE(list.lines(), lines); // sorted as the map keeps them, no duplicate dropped
    }
    const QStringList list = townList(readLines(contentDir + "town-hotspots.txt"));
    QCOMPARE(list.mid(0, 6),
             QStringList({"Bari", "Caserta", "Lecce", "Messina", "Napoli", "Palermo"}));
    QCOMPARE(list.mid(10, 2), QStringList({"Ancona", "Anzio"}));
    QCOMPARE(list.mid(127), QStringList({"Cagliari", "Sassari", "Catania"}));
}

void TestContent::picturesHaveTheirSizesAndColours() {
    struct Expected {
        const char* path;
        int width, height;
        bool exact;
    };
    const Expected expected[] = {
        {"Italia.bmp", 561, 623, true},           {"Padania.bmp", 952, 647, true},
        {"images/Padania.bmp", 952, 647, true},   {"images/Etruria.bmp", 837, 534, false},
        {"images/Ausonia.bmp", 773, 635, false},  {"images/Sicilia.bmp", 449, 187, false},
        {"images/Sardegna.bmp", 166, 417, false},
    };
    const QSet<QRgb> style = {Land, Sea, Water, Coast, TownGreen, Road, Lettering};
    const auto pics = projections();
    for (const Expected& e : expected) {
        const QByteArray bytes = readBytes(contentDir + e.path);
        const BmpHeader h = bmpHeader(bytes);
        QCOMPARE(h.magic, quint16(0x4D42));
        if (e.exact) {
            QCOMPARE(h.width, e.width);
            QCOMPARE(h.height, e.height);
            QCOMPARE(h.bitsPerPixel, quint16(4));
            QCOMPARE(h.coloursUsed, 16u);
        } else {
            QVERIFY2(h.width >= e.width && h.height >= e.height, e.path);
        }
        QCOMPARE(h.compression, 0u);
        const QString name = QString::fromLatin1(e.path).section('/', -1);
        QCOMPARE(pics.at(name).width, int(h.width));
        QCOMPARE(pics.at(name).height, int(h.height));

        // Only the map colours are drawn, and land, sea and towns are all there.
        const QImage image = picture(name);
        QSet<QRgb> used;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                used.insert(image.pixel(x, y) | 0xff000000u);
        QVERIFY2(style.contains(used), e.path);
        QVERIFY(used.contains(Land) && used.contains(Sea) && used.contains(TownGreen));
        QCOMPARE(used.contains(Road), name == QLatin1String("Padania.bmp"));
    }
    QCOMPARE(readBytes(contentDir + "Padania.bmp"), readBytes(contentDir + "images/Padania.bmp"));
}

void TestContent::eachHotspotLiesOnItsTownsPatch() {
    const auto pics = projections();
    const auto places = towns();
    QHash<QString, QImage> images;
    for (const QString& line : readLines(contentDir + "town-hotspots.txt")) {
        const QString pictureName = PictureOfDefinition(line);
        if (!images.contains(pictureName))
            images[pictureName] = picture(pictureName);
        const QImage& image = images[pictureName];
        const THotspotRec h = ParseHotspot(line);
        const RegionHandle region = CreateHotspotRegion(h);
        QVERIFY(region);
        int pixels = 0, green = 0, offPicture = 0;
        double sumX = 0, sumY = 0;
        forEachPixel(*region, [&](int x, int y) {
            offPicture += !image.valid(x, y);
            ++pixels;
            green += (image.pixel(x, y) | 0xff000000u) == TownGreen;
            sumX += x;
            sumY += y;
        });
        QVERIFY2(pixels > 0 && offPicture == 0, qPrintable(line));
        QVERIFY2(double(green) / pixels >= 0.3, qPrintable(line));

        QVERIFY2(places.contains(h.Name), qPrintable(h.Name));
        const Town& town = places[h.Name];
        QVERIFY(town.pictures.contains(pictureName));
        const QPointF real = pics.at(pictureName).toPixel(town.lon, town.lat);
        const double off = std::hypot(sumX / pixels - real.x(), sumY / pixels - real.y());
        QVERIFY2(off <= 3.5,
                 qPrintable(QStringLiteral("%1: %2 px from the town").arg(line).arg(off)));
    }
}

void TestContent::everyTownCanBeClickedBelowTheHiddenStrip() {
    HotspotMap map;
    map.definitions().assign(readLines(contentDir + "town-hotspots.txt"));
    QSet<QString> clickable, listed;
    for (int i = 0; i < map.definitions().count(); ++i)
        listed.insert(SplitDefinition(map.definitions().at(i)).name);

    for (const auto& [name, projection] : projections()) {
        if (name == QLatin1String("Italia.bmp"))
            continue;
        LayoutInput in;
        in.componentWidth = MapWidth;
        in.componentHeight = MapHeight;
        in.frame = 1;
        in.pictureWidth = projection.width;
        in.pictureHeight = projection.height;
        in.scale = 81;
        in.autoScaleImage = true;
        const LayoutResult placed = ComputeLayout(in);
        QVERIFY(placed.applies);
        if (name == QLatin1String("Padania.bmp"))
            QCOMPARE(placed.scale, 81);

        map.DeleteRegions();
        map.BuildRegions(name);
        // Visible points of the paint area that fall on each hotspot (the first hit wins).
        std::vector<int> hits(map.active().size(), 0);
        const int firstRow = std::max(0, HiddenStrip - placed.paintTop);
        for (int py = firstRow; py < placed.paintHeight; ++py)
            for (int px = 0; px < placed.paintWidth; ++px) {
                const int hit = map.hitIndex(px, py, placed.scale);
                if (hit >= 0)
                    ++hits[std::size_t(hit)];
            }
        for (std::size_t i = 0; i < hits.size(); ++i) {
            const RegionHandle& region = map.active()[i].region;
            int pixels = 0;
            forEachPixel(*region, [&](int, int) { ++pixels; });
            const double shown = pixels * placed.scale * placed.scale / 10000.0;
            // Most of the hotspot must be reachable for the town to count as clickable here.
            if (hits[i] >= 0.6 * shown)
                clickable.insert(map.nameOfActive(int(i)));
        }
    }
    QCOMPARE(listed.size(), 130);
    QStringList hidden = (listed - clickable).values();
    hidden.sort();
    QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(", ")));
}

void TestContent::nationMapShowsEveryTownInItsRegion() {
    const Projection nation = projections().at("Italia.bmp");
    const QImage image = picture("Italia.bmp");
    std::map<QString, RegionHandle> polygons;
    for (const QString& line : readLines(contentDir + "nation-hotspots.txt")) {
        const RegionHandle region = CreateHotspotRegion(ParseHotspot(line));
        QVERIFY(region && region->left() >= 0 && region->right() <= image.width() &&
                region->top() >= 0 && region->bottom() <= image.height());
        polygons[SplitDefinition(line).name + ".bmp"] = region;
    }
    QStringList outside;
    const auto places = towns();
    for (auto it = places.begin(); it != places.end(); ++it) {
        const QPointF p = nation.toPixel(it->lon, it->lat);
        const int x = int(std::lround(p.x())), y = int(std::lround(p.y()));
        QVERIFY2(image.valid(x, y) && (image.pixel(x, y) | 0xff000000u) == TownGreen,
                 qPrintable(it.key()));
        bool inside = false;
        for (const QString& pictureName : it->pictures)
            inside = inside || PtInRegion(polygons.at(pictureName), x, y);
        if (!inside)
            outside.append(it.key());
    }
    outside.sort();
    // The polygons are coarse: a few coastal and border towns fall just outside them.
    QVERIFY2(outside.size() <= 6, qPrintable(outside.join(", ")));
}

void TestContent::highResolutionVariantsLineUpWithTheirPictures() {
    constexpr int factor = 4;
    const auto pics = projections();
    const auto places = towns();
    const QStringList townLines = readLines(contentDir + "town-hotspots.txt");
    for (const char* path : {"Italia", "Padania", "images/Padania", "images/Etruria",
                             "images/Ausonia", "images/Sicilia", "images/Sardegna"}) {
        const QString stem = contentDir + QLatin1String(path);
        const QImage small = QImage(stem + ".bmp").convertToFormat(QImage::Format_RGB32);
        const QImage large = QImage(stem + "@4x.png").convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!large.isNull(), path);
        QCOMPARE(large.size(), small.size() * factor);

        // Each 4 x 4 block, averaged, shows the colour of its bitmap pixel, except along edges.
        qint64 agreeing = 0;
        for (int y = 0; y < small.height(); ++y)
            for (int x = 0; x < small.width(); ++x) {
                int r = 0, g = 0, b = 0;
                for (int dy = 0; dy < factor; ++dy)
                    for (int dx = 0; dx < factor; ++dx) {
                        const QRgb c = large.pixel(factor * x + dx, factor * y + dy);
                        r += qRed(c), g += qGreen(c), b += qBlue(c);
                    }
                const int n = factor * factor;
                agreeing += nearestMapColour(qRgb(r / n, g / n, b / n)) == small.pixel(x, y);
            }
        const double share = double(agreeing) / (qint64(small.width()) * small.height());
        QVERIFY2(share >= 0.95, qPrintable(QStringLiteral("%1: %2").arg(path).arg(share)));

        // Every town patch stands in the same place: its centre, in pixel edges, times 4.
        const QString name = QString::fromLatin1(path).section('/', -1) + ".bmp";
        QList<QRect> boxes;
        if (name == QLatin1String("Italia.bmp")) {
            for (const Town& town : places) {
                const QPointF p = pics.at(name).toPixel(town.lon, town.lat);
                boxes.append(QRect(int(std::lround(p.x())) - 4, int(std::lround(p.y())) - 4, 9, 9));
            }
        } else {
            for (const QString& line : townLines)
                if (PictureOfDefinition(line) == name) {
                    const RegionHandle r = CreateHotspotRegion(ParseHotspot(line));
                    boxes.append(QRect(int(r->left()), int(r->top()), int(r->right() - r->left()),
                                       int(r->bottom() - r->top())));
                }
        }
        QVERIFY(!boxes.isEmpty());
        for (const QRect& box : boxes) {
            const auto centre = greenCentre(small, box);
            const auto largeCentre =
                greenCentre(large, QRect(box.topLeft() * factor, box.size() * factor));
            QVERIFY(centre && largeCentre);
            const QPointF expected = (*centre + QPointF(0.5, 0.5)) * factor - QPointF(0.5, 0.5);
            const QPointF off = *largeCentre - expected;
            QVERIFY2(std::hypot(off.x(), off.y()) <= 1.0,
                     qPrintable(QStringLiteral("%1 at %2,%3: %4,%5 px off")
                                    .arg(path)
                                    .arg(box.x())
                                    .arg(box.y())
                                    .arg(off.x())
                                    .arg(off.y())));
        }
    }
}

void TestContent::soundsAreShortMonoPcmWaves() {
    for (const char* name :
         {"Whistle.wav", "Cough2.wav", "Moan.wav", "Applaude.wav", "Movehit1.wav", "Ring.wav"}) {
        const QByteArray bytes = readBytes(contentDir + "sounds/" + name);
        QVERIFY2(bytes.size() < 200 * 1024, name);
        QCOMPARE(bytes.mid(0, 4), QByteArray("RIFF"));
        QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));
        const auto* d = reinterpret_cast<const uchar*>(bytes.constData());
        quint16 format = 0, channels = 0, bits = 0;
        quint32 rate = 0, dataBytes = 0;
        for (qsizetype at = 12; at + 8 <= bytes.size();) {
            const QByteArray id = bytes.mid(at, 4);
            const quint32 size = qFromLittleEndian<quint32>(d + at + 4);
            if (id == "fmt ") {
                format = qFromLittleEndian<quint16>(d + at + 8);
                channels = qFromLittleEndian<quint16>(d + at + 10);
                rate = qFromLittleEndian<quint32>(d + at + 12);
                bits = qFromLittleEndian<quint16>(d + at + 22);
            } else if (id == "data") {
                dataBytes = size;
            }
            at += 8 + size + (size & 1);
        }
        QCOMPARE(format, quint16(1));
        QCOMPARE(channels, quint16(1));
        QCOMPARE(bits, quint16(16));
        QVERIFY(rate >= 8000);
        const double seconds = dataBytes / 2.0 / rate;
        QVERIFY2(seconds >= 0.02 && seconds <= 3.0, name);
        if (QByteArray(name) == "Movehit1.wav")
            QVERIFY(seconds < 0.3); // the tick plays on every timer step
    }
}

void TestContent::helpPageCreditsTheData() {
    const QString page = QString::fromUtf8(readBytes(contentDir + "images/help.html"));
    for (const char* needed : {"GSHHG", "Lesser General Public License", "GeoNames",
                               "Creative Commons", "hand-made", "Start", "Questions per Session"})
        QVERIFY2(page.contains(QLatin1String(needed)), needed);
}

QTEST_GUILESS_MAIN(TestContent)
#include "test_content.moc"
