// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainForm.h"
#include "MessageBoxes.h"
#include "ProfileFile.h"
#include "ScreenSize.h"
#include "SilentPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtWidgets/qtestsupport_widgets.h>

#include <functional>

// The messages the program shows, taken instead of real boxes while one of these lives; onShow
// answers one as a player would, with the box still open. A long run keeps none.
struct MessageLog {
    QList<MessageRequest> shown;
    std::function<void(const MessageRequest&)> onShow;
    bool keep = true;
    MessageLog() {
        MessageBoxes::setHandler([this](const MessageRequest& r) {
            if (keep)
                shown << r;
            if (onShow)
                onShow(r);
        });
    }
    ~MessageLog() { MessageBoxes::setHandler({}); }
    QStringList texts() const {
        QStringList t;
        for (const auto& r : shown)
            t << r.text;
        return t;
    }
};

// What the window tests share: the settings file in a folder of this run's own, never the
// user's nor that of a test running beside it; the built game folder as the working folder, as
// the launcher makes it; a screen of the layout's own size; main windows on a silent player.
class WindowFixture {
public:
    QTemporaryDir scratch;          // a folder for the test's own files; the settings go to config/
    SilentPlayer* player = nullptr; // that of the window made last

    QString configHome() const { return scratch.filePath(QStringLiteral("config")); }

    // For initTestCase: false, with the reason told, when a folder cannot be had.
    [[nodiscard]] bool setUpWindows(QSize screen = QSize(800, 600)) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
        QCoreApplication::setApplicationName(QStringLiteral("Terrava"));
        setPrimaryScreenSizeOverride(screen);
        if (!scratch.isValid() || !QDir().mkpath(configHome()) ||
            !ProfileFile::defaultPath().startsWith(configHome() + '/')) {
            qCritical("no settings folder of the test's own in %s", qPrintable(configHome()));
            return false;
        }
        if (!QDir::setCurrent(gameFolder())) {
            qCritical("no built game folder %s", qPrintable(gameFolder()));
            return false;
        }
        return true;
    }
    static QString gameFolder() { return QStringLiteral(TERRAVA_BINARY_DIR "/game"); }

    // A main window on a silent player that refuses every open (failing) or that of one file.
    std::unique_ptr<TMainForm> makeForm(bool failing = false, const QString& missing = {}) {
        auto sound = std::make_unique<SilentPlayer>();
        sound->failing = failing;
        sound->missing = missing;
        player = sound.get();
        return std::make_unique<TMainForm>(nullptr, std::move(sound));
    }

    // Shows a window and waits until it is on the screen.
    [[nodiscard]] static bool shown(QWidget* window) {
        window->show();
        return QTest::qWaitForWindowExposed(window);
    }
};
