// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Latency the player feels: from the click on the nation map to the region's map painted on
// the Regions page (the picture is read from disk each time), and from a right answer to the
// next town shown. Each beside a floor measured in the same run.

#include "Catalogue.h"
#include "HImages.h"
#include "MainForm.h"
#include "MapPoints.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "QuizState.h"
#include "RatioReporter.h"
#include "ScreenSize.h"
#include "SilentPlayer.h"
#include "SoundDevice.h"
#include "SpinEdit.h"
#include "UQuesiti.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "bench_latency";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    static bool once = [] {
        QStandardPaths::setTestModeEnabled(true);
        setPrimaryScreenSizeOverride(QSize(800, 600));
        QDir::setCurrent(QStringLiteral(TERRAVA_BINARY_DIR "/game"));
        MessageBoxes::setHandler([](const MessageRequest&) {}); // every box answered at once
        return true;
    }();
    (void)once;
    return application;
}

struct Game {
    TMainForm form{nullptr, std::make_unique<SilentPlayer>()};
    QHash<QString, QPoint> regionPoints;
    Game() {
        form.resize(804, 551);
        form.show();
        QCoreApplication::processEvents();
        regionPoints = clickablePoints(form.NationHyperImages);
    }
};

void BM_NationClickToRegionPainted(benchmark::State& state) {
    app();
    Game game;
    const QStringList regions{"Padania", "Etruria", "Ausonia", "Sicilia", "Sardegna"};
    int i = 0;
    for (auto _ : state) {
        game.form.PageControl->setActivePage(game.form.Nation);
        const QPoint at = game.regionPoints[regions[i++ % regions.size()]];
        game.form.NationHyperImagesImageMouseDown(at.x(), at.y());
        game.form.RegionsHyperImages->repaint(); // painted now, not at the next frame
        game.form.RegionsHyperImages->PaintArea()->repaint();
    }
}
BENCHMARK(BM_NationClickToRegionPainted)->Unit(benchmark::kMillisecond);

// The floor: reading the same pictures from disk into images.
void BM_NationClickToRegionPainted_Baseline(benchmark::State& state) {
    app();
    int i = 0;
    for (auto _ : state) {
        QImage image(QDir::currentPath() + "/images/" + RegionPictures[std::size_t(i++ % 5)]);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_NationClickToRegionPainted_Baseline)->Unit(benchmark::kMillisecond);

void BM_RightAnswerToNextTown(benchmark::State& state) {
    app();
    Game game;
    QHash<QString, QHash<QString, QPoint>> townPoints; // picture -> town -> point
    for (const QString& picture : RegionPictures) {
        game.form.RegionsHyperImages->LoadPicture(picture);
        townPoints.insert(picture, clickablePoints(game.form.RegionsHyperImages));
    }
    game.form.SpinEdit->setValue(30);
    for (auto _ : state) {
        state.PauseTiming();
        if (!game.form.Session)
            game.form.StartButton->click();
        const QString town = game.form.TownToFindLabel->text();
        QString picture;
        for (const QString& p : RegionPictures)
            if (townPoints[p].contains(town)) {
                picture = p;
                break;
            }
        game.form.RegionsHyperImages->LoadPicture(picture);
        const QPoint at = townPoints[picture][town];
        state.ResumeTiming();
        game.form.RegionsHyperImagesImageMouseDown(at.x(), at.y());
        game.form.TownToFindLabel->repaint();
    }
}
BENCHMARK(BM_RightAnswerToNextTown)->Unit(benchmark::kMillisecond);

// The floor: a new caption on the same label, painted.
void BM_RightAnswerToNextTown_Baseline(benchmark::State& state) {
    app();
    Game game;
    int i = 0;
    for (auto _ : state) {
        game.form.TownToFindLabel->setText(game.form.ListBox->item(i++ % 130)->text());
        game.form.TownToFindLabel->adjustSize();
        game.form.TownToFindLabel->repaint();
    }
}
BENCHMARK(BM_RightAnswerToNextTown_Baseline)->Unit(benchmark::kMillisecond);

} // namespace

TERRAVA_BENCHMARK_MAIN()
