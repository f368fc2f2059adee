// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// terrava-viewer: shows one map with its hotspots, for looking at content by eye.
//
//   terrava-viewer PICTURE DEFINITIONS
//   terrava-viewer --list PICTURE DEFINITIONS    the hotspots it would show, one name a line
//
// The picture is fitted to the window; hotspot outlines are drawn, the hotspot under the
// pointer is inverted and named in its hint, and a click names it in the status line. The
// definitions are read as the game reads them.

#include "DefinitionResource.h"
#include "Error.h"
#include "HImages.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include <cstdio>

int main(int argc, char** argv) {
    const bool listOnly = argc == 4 && QByteArray(argv[1]) == "--list";
    if (listOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // listing needs no screen
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    if (listOnly)
        args.removeAt(1);
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: terrava-viewer [--list] PICTURE DEFINITIONS\n");
        return 2;
    }
    const QFileInfo picture(args[1]);

    QWidget window;
    window.setWindowTitle(picture.fileName());
    auto* layout = new QVBoxLayout(&window);
    auto* map = new THyperImages(&window);
    auto* status = new QLabel(QStringLiteral("Click a hotspot"), &window);
    layout->addWidget(map, 1);
    layout->addWidget(status);
    map->setMinimumSize(400, 300);
    map->setAutoScaleImage(true);
    map->setShowHotspots(true);
    map->setInvertOnHot(true);
    map->setHintOnHot(true);
    map->setHotCursor(crHandPoint);
    map->setPicturesDir(picture.absolutePath());
    try {
        map->setHotspotsDef(ReadDefinitionLines(args[2]));
        map->LoadPicture(picture.fileName());
    } catch (const TerravaError& e) {
        std::fprintf(stderr, "terrava-viewer: %s\n", qPrintable(e.message()));
        if (!listOnly)
            QMessageBox::critical(nullptr, QStringLiteral("terrava-viewer"), e.message());
        return 1;
    }
    if (listOnly) {
        for (int i = 0; i < int(map->ActiveHotspots().size()); ++i)
            std::printf("%s\n", qPrintable(map->hotspotMap().nameOfActive(i)));
        return 0;
    }
    QObject::connect(
        map, &TCustomHyperImages::OnImageMouseDown,
        [=](TCustomHyperImages* sender, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
            QString name;
            status->setText(sender->HotspotAt(x, y, name)
                                ? name
                                : QStringLiteral("(no hotspot at %1, %2)").arg(x).arg(y));
        });
    window.resize(900, 650);
    window.show();
    return app.exec();
}
