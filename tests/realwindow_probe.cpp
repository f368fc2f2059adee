// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What test_realwindow.sh needs to know about the screen and the maps:
//
//   realwindow_probe inside DEFINITIONS NAME
//       a point of the hotspot NAME, in picture coordinates, well inside its region;
//   realwindow_probe locate SCREENSHOT PICTURE SCALE
//   realwindow_probe locate SCREENSHOT PICTURE fit WIDTH HEIGHT
//       where PICTURE is shown on the screenshot at SCALE percent, or at the scale a map of
//       WIDTH x HEIGHT fits it to: the top left corner "X Y SCALE". Exit status 1 when it is
//       not on the screen;
//   realwindow_probe keys DEFINITIONS PICTURE NAME
//       the arrow keys that take a map's keyboard selection from its first place (Home) to the
//       hotspot NAME of PICTURE, one a line, as xdotool names them;
//   realwindow_probe close WINDOW
//       asks the window to close as a window manager's close button does (WM_DELETE_WINDOW).

#include "DefinitionResource.h"
#include "Error.h"
#include "HotspotDefinition.h"
#include "HotspotNavigation.h"
#include "Layout.h"
#include "PanelFrame.h"

#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QTextStream>
#include <cstdio>

#ifdef TERRAVA_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "realwindow_probe: %s\n", qPrintable(message));
    return 2;
}

int inside(const QString& definitions, const QString& name) {
    for (const QString& line : ReadDefinitionLines(definitions)) {
        if (SplitDefinition(line).name != name)
            continue;
        const RegionHandle region = CreateHotspotRegion(ParseHotspot(line));
        if (!region)
            return fail("the hotspot " + name + " has no region");
        // The point of the region farthest inside along both axes, on a coarse grid.
        const int margin = 12;
        for (int m = margin; m > 0; m -= 2)
            for (std::int64_t y = region->top(); y < region->bottom(); ++y)
                for (std::int64_t x = region->left(); x < region->right(); ++x)
                    if (region->contains(x, y) && region->contains(x - m, y) &&
                        region->contains(x + m, y) && region->contains(x, y - m) &&
                        region->contains(x, y + m) && region->contains(x - m, y - m) &&
                        region->contains(x + m, y + m) && region->contains(x - m, y + m) &&
                        region->contains(x + m, y - m)) {
                        std::printf("%lld %lld\n", qint64(x), qint64(y));
                        return 0;
                    }
        return fail("no inner point in " + name);
    }
    return fail("no hotspot named " + name + " in " + definitions);
}

bool near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 12 && qAbs(qGreen(a) - qGreen(b)) <= 12 &&
           qAbs(qBlue(a) - qBlue(b)) <= 12;
}

struct Sample {
    int x, y; // on the shown picture
    QRgb colour;
};

// Points of the picture shown at scale where the source is one colour all round, so that
// any way of scaling shows that very colour there; the rarer colours first, as they tell
// one place from another best.
QList<Sample> samplesOf(const QImage& picture, int shownWidth, int shownHeight) {
    const int reach = int(picture.width() / double(shownWidth)) + 2;
    QHash<QRgb, QList<Sample>> byColour;
    const int step = qMax(3, qMin(shownWidth, shownHeight) / 60);
    for (int y = 0; y < shownHeight; y += step)
        for (int x = 0; x < shownWidth; x += step) {
            const int sx = int(qint64(x) * picture.width() / shownWidth);
            const int sy = int(qint64(y) * picture.height() / shownHeight);
            if (sx < reach || sy < reach || sx + reach >= picture.width() ||
                sy + reach >= picture.height())
                continue;
            const QRgb c = picture.pixel(sx, sy);
            bool uniform = true;
            for (int dy = -reach; dy <= reach && uniform; ++dy)
                for (int dx = -reach; dx <= reach && uniform; ++dx)
                    uniform = picture.pixel(sx + dx, sy + dy) == c;
            if (uniform)
                byColour[c] << Sample{x, y, c};
        }
    QList<QList<Sample>> groups = byColour.values();
    std::sort(groups.begin(), groups.end(),
              [](const auto& a, const auto& b) { return a.size() < b.size(); });
    // Taken in turns from every colour, rarest first, at most 400 in all.
    QList<Sample> samples;
    for (int round = 0; samples.size() < 400; ++round) {
        bool any = false;
        for (const auto& group : groups) {
            const int stride = qMax<qsizetype>(1, group.size() / 100);
            if (round * stride < group.size()) {
                samples << group[round * stride];
                any = true;
            }
        }
        if (!any)
            break;
    }
    return samples;
}

int locate(const QString& shotFile, const QString& pictureFile, int scale) {
    const QImage shot = QImage(shotFile).convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(pictureFile).convertToFormat(QImage::Format_RGB32);
    if (shot.isNull() || picture.isNull())
        return fail("cannot read " + (shot.isNull() ? shotFile : pictureFile));
    const int w = picture.width() * scale / 100, h = picture.height() * scale / 100;
    const QList<Sample> samples = samplesOf(picture, w, h);
    if (samples.size() < 50)
        return fail("too few samples in " + pictureFile);
    const int allowed = int(samples.size()) / 50; // edges of text or of the pointer
    for (int oy = 0; oy + h <= shot.height(); ++oy)
        for (int ox = 0; ox + w <= shot.width(); ++ox) {
            int misses = 0;
            for (const Sample& s : samples)
                if (!near(shot.pixel(ox + s.x, oy + s.y), s.colour) && ++misses > allowed)
                    break;
            if (misses <= allowed) {
                std::printf("%d %d %d\n", ox, oy, scale);
                return 0;
            }
        }
    return 1;
}

int fittedScale(const QString& pictureFile, int width, int height) {
    const QImage picture(pictureFile);
    LayoutInput in;
    in.componentWidth = width;
    in.componentHeight = height;
    in.frame = panelFrameWidth(PanelFrameStyle{});
    in.border = panelBorderWidth(PanelFrameStyle{});
    in.pictureWidth = picture.width();
    in.pictureHeight = picture.height();
    in.autoScaleImage = true;
    return ComputeLayout(in).scale;
}

int closeWindow(const QString& window) {
#ifdef TERRAVA_HAVE_X11
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return fail("cannot open the display");
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = Window(window.toULongLong());
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent ? 0 : fail("cannot send to window " + window);
#else
    return fail("built without X11: cannot close window " + window);
#endif
}

int keys(const QString& definitions, const QString& picture, const QString& name) {
    const QImage image(picture);
    HotspotMap map;
    map.definitions().assign(ReadDefinitionLines(definitions));
    map.BuildRegions(QFileInfo(picture).fileName());
    const std::vector<HotspotPlace> places = HotspotPlaces(map, image.width(), image.height());
    const HotspotNavigation nav(places);
    // Breadth first from the first place: the fewest presses.
    const NavigationKey arrows[] = {NavigationKey::Left, NavigationKey::Right, NavigationKey::Up,
                                    NavigationKey::Down};
    const char* keyNames[] = {"Left", "Right", "Up", "Down"};
    std::vector<std::pair<int, int>> cameFrom(places.size(), {-1, -1}); // place, key
    const int start = nav.next(-1, NavigationKey::Home);
    std::vector<int> todo{start};
    cameFrom[std::size_t(start)] = {start, -1};
    for (std::size_t i = 0; i < todo.size(); ++i)
        for (int k = 0; k < 4; ++k) {
            const int to = nav.next(todo[i], arrows[k]);
            if (cameFrom[std::size_t(to)].first < 0) {
                cameFrom[std::size_t(to)] = {todo[i], k};
                todo.push_back(to);
            }
        }
    for (std::size_t p = 0; p < places.size(); ++p) {
        if (map.nameOfActive(places[p].hotspot) != name)
            continue;
        if (cameFrom[p].first < 0)
            return fail("no keys lead to " + name);
        QStringList path;
        for (int at = int(p); at != start; at = cameFrom[std::size_t(at)].first)
            path.prepend(keyNames[cameFrom[std::size_t(at)].second]);
        for (const QString& key : path)
            std::printf("%s\n", qPrintable(key));
        return 0;
    }
    return fail("no hotspot named " + name + " on " + picture);
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    try {
        if (args.size() == 2 && args[0] == "close")
            return closeWindow(args[1]);
        if (args.size() == 3 && args[0] == "inside")
            return inside(args[1], args[2]);
        if (args.size() == 4 && args[0] == "keys")
            return keys(args[1], args[2], args[3]);
        if (args.size() == 4 && args[0] == "locate")
            return locate(args[1], args[2], args[3].toInt());
        if (args.size() == 6 && args[0] == "locate" && args[3] == "fit")
            return locate(args[1], args[2], fittedScale(args[2], args[4].toInt(), args[5].toInt()));
    } catch (const TerravaError& e) {
        return fail(e.message());
    }
    return fail(
        "usage: inside DEFINITIONS NAME | locate SCREENSHOT PICTURE SCALE | locate "
        "SCREENSHOT PICTURE fit WIDTH HEIGHT | keys DEFINITIONS PICTURE NAME | close WINDOW");
}
