// terrava-viewer: shows one map with its hotspots, for looking at content by eye.
//
//   terrava-viewer PICTURE DEFINITIONS
//
// The picture is fitted to the window; hotspot outlines are drawn, the hotspot under the
// pointer is inverted and named in the title bar, and a click names it in the status line.

#include "Error.h"
#include "HImages.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: terrava-viewer PICTURE DEFINITIONS\n");
        return 2;
    }
    const QFileInfo picture(args[1]);
    QFile definitions(args[2]);
    if (!definitions.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "terrava-viewer: cannot read %s\n", qPrintable(args[2]));
        return 2;
    }
    QStringList lines = QString::fromUtf8(definitions.readAll()).split('\n', Qt::SkipEmptyParts);

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
    map->setHotspotsDef(lines);
    map->setPicturesDir(picture.absolutePath());
    try {
        map->LoadPicture(picture.fileName());
    } catch (const TerravaError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("terrava-viewer"), e.message());
        return 1;
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
