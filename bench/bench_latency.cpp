// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Latency the player feels: from the click on the nation map to the region's map painted on
// the Regions page (the picture is read from disk each time), and from a right answer to the
// next town shown. Each beside a floor measured in the same run.

#include "Catalogue.h"
#include "HImages.h"
#include "MapPoints.h"
#include "PageControl.h"
#include "QuizState.h"
#include "RatioReporter.h"
#include "ShownPicture.h"
#include "SpinEdit.h"
#include "UQuesiti.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "bench_latency";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    static WindowFixture fixture;
    static MessageLog boxes; // every box answered at once, none kept
    static const bool ready = fixture.setUpWindows();
    if (!ready)
        std::abort();
    boxes.keep = false;
    return application;
}

// The game on a screen of the given size: at 800 x 600 in the window the layout gives; larger,
// scaled to the screen as at start-up, so that the region maps are enlarged and drawn from their
// high-resolution variants.
struct Game {
    std::unique_ptr<TMainForm> owned;
    TMainForm& form;
    QHash<QString, QPoint> regionPoints;
    explicit Game(QSize screen = QSize(800, 600)) : owned(makeForm(screen)), form(*owned) {
        if (screen == QSize(800, 600))
            form.resize(804, 551);
        form.show();
        form.PageControl->setActivePage(form.Nation); // laid out at the size it is shown
        QCoreApplication::processEvents();
        regionPoints = clickablePoints(form.NationHyperImages);
    }
    static std::unique_ptr<TMainForm> makeForm(QSize screen) {
        setPrimaryScreenSizeOverride(screen);
        auto form = std::make_unique<TMainForm>(nullptr, std::make_unique<SilentPlayer>());
        setPrimaryScreenSizeOverride(QSize(800, 600));
        return form;
    }
};

// The argument: 0, an 800 x 600 screen; 1, a 1920 x 1080 screen, each region's map shown for the
// first time at its size (its variant not yet scaled).
void BM_NationClickToRegionPainted(benchmark::State& state) {
    app();
    const bool large = state.range(0) == 1;
    Game game(large ? QSize(1920, 1080) : QSize(800, 600));
    const QStringList regions{"Padania", "Etruria", "Ausonia", "Sicilia", "Sardegna"};
    int i = 0;
    for (auto _ : state) {
        if (large) {
            state.PauseTiming();
            while (ScalingVariants()) // the last click's variant, scaled in the background
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            ForgetScaledVariants();
            state.ResumeTiming();
        }
        game.form.PageControl->setActivePage(game.form.Nation);
        const QPoint at = game.regionPoints[regions[i++ % regions.size()]];
        game.form.NationHyperImagesImageMouseDown(at.x(), at.y());
        game.form.RegionsHyperImages->repaint(); // painted now, not at the next frame
        game.form.RegionsHyperImages->PaintArea()->repaint();
    }
}
BENCHMARK(BM_NationClickToRegionPainted)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The floor: reading the same pictures from disk into images.
void BM_NationClickToRegionPainted_Baseline(benchmark::State& state) {
    app();
    int i = 0;
    for (auto _ : state) {
        QImage image(QDir::currentPath() + "/images/" + RegionPictures[std::size_t(i++ % 5)]);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_NationClickToRegionPainted_Baseline)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
        const QString town = game.form.TownToFind;
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
