// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShownPicture.h"

#include "Error.h"

#include <QCache>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QThreadPool>
#include <cmath>

namespace {

constexpr int VariantFactor = 4;

// Indexed and one-bit pictures are scaled smoothly only once they hold true colours.
QImage smoothlyScalable(const QImage& image) {
    switch (image.format()) {
    case QImage::Format_Indexed8:
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                             : QImage::Format_RGB32);
    default:
        return image;
    }
}

// Variants scaled for the screen, kept across loads: a map that goes back to a picture it showed
// before finds it scaled already, instead of reading and scaling a large file again. Bounded
// by what they hold, in kilobytes.
QCache<QString, QPixmap>& scaledVariants() {
    static QCache<QString, QPixmap> cache(64 * 1024);
    return cache;
}

QString variantKey(const QString& file, QSize size, qreal ratio) {
    return QStringLiteral("%1|%2x%3|%4").arg(file).arg(size.width()).arg(size.height()).arg(ratio);
}

QImage readVariant(const QString& file, QSize expected) {
    QImageReader reader(file);
    if (reader.size() != expected)
        return {};
    return reader.read();
}

QPixmap smoothlyScaled(const QImage& from, QSize size, qreal ratio) {
    QImage scaled =
        smoothlyScalable(from).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(scaled));
}

// The background scaling of variants, all on the drawing thread but for the work itself. One
// worker, so that a single variant of tens of megabytes is in memory at a time and the other
// core stays with the window. Scalings in progress are waited for when the application ends;
// what they would deliver then is dropped with the object that would receive it.
struct Scaling {
    QThreadPool* worker = nullptr;
    QObject* receiver = nullptr;  // lives on the drawing thread; deliveries are queued to it
    QSet<QString> inProgress;     // keys
    QSet<ShownPicture*> watchers; // told of every delivery
};

// Never destroyed: the application, which waits for the worker, may itself end among the
// static objects, after one of ours would have gone.
Scaling& scaling() {
    static Scaling* s = new Scaling;
    return *s;
}

void stopScaling() {
    Scaling& s = scaling();
    s.worker->waitForDone();
    delete s.worker;
    delete s.receiver; // with any delivery not yet handled
    s.worker = nullptr;
    s.receiver = nullptr;
    s.inProgress.clear();
}

void delivered(const QString& key, const QImage& image) {
    Scaling& s = scaling();
    s.inProgress.remove(key);
    const QPixmap pixmap = QPixmap::fromImage(image);
    if (!pixmap.isNull())
        scaledVariants().insert(key, new QPixmap(pixmap),
                                qMax<qsizetype>(1, image.sizeInBytes() / 1024));
    for (ShownPicture* watcher : QSet<ShownPicture*>(s.watchers))
        if (s.watchers.contains(watcher)) // one told before may have let go of another
            watcher->variantScaled(key, pixmap);
}

// Starts scaling a variant unless it is kept or in progress already.
void scaleInBackground(const QString& file, QSize expected, QSize size, qreal ratio) {
    const QString key = variantKey(file, size, ratio);
    Scaling& s = scaling();
    if (scaledVariants().contains(key) || s.inProgress.contains(key))
        return;
    if (!s.worker) {
        s.worker = new QThreadPool;
        s.worker->setMaxThreadCount(1);
        s.receiver = new QObject;
        qAddPostRoutine(stopScaling);
    }
    s.inProgress.insert(key);
    QObject* receiver = s.receiver;
    s.worker->start([=] {
        QImage scaled;
        const QImage from = readVariant(file, expected);
        if (!from.isNull()) {
            scaled = smoothlyScalable(from).scaled(size, Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation);
            scaled.setDevicePixelRatio(ratio);
        }
        QMetaObject::invokeMethod(
            receiver, [key, scaled] { delivered(key, scaled); }, Qt::QueuedConnection);
    });
}

} // namespace

ShownPicture::ShownPicture() {
    scaling().watchers.insert(this);
}

ShownPicture::~ShownPicture() {
    scaling().watchers.remove(this);
}

void ShownPicture::set(const QImage& picture, const QString& variantFile) {
    source = picture;
    variant = variantFile;
    cached = QPixmap();
    cachedSize = QSize();
    cachedRatio = 0;
    cachedFromVariant = false;
    wanted.clear();
}

const QPixmap& ShownPicture::pixmap(int scale, qreal devicePixelRatio) {
    const double factor = double(scale) * devicePixelRatio / 100.0;
    // Device pixels of the picture at exactly scale percent, rounded to whole pixels.
    const QSize size(std::max(1, int(std::lround(source.width() * factor))),
                     std::max(1, int(std::lround(source.height() * factor))));
    const bool fromVariant = factor > 1.0 && !variant.isEmpty();
    const bool sameSize = size == cachedSize && devicePixelRatio == cachedRatio;
    if (source.isNull() || (sameSize && (cachedFromVariant || !fromVariant)))
        return cached;
    if (fromVariant) {
        const QString key = variantKey(variant, size, devicePixelRatio);
        if (const QPixmap* kept = scaledVariants().object(key)) {
            cached = *kept;
            cachedSize = size;
            cachedRatio = devicePixelRatio;
            cachedFromVariant = true;
            wanted.clear();
            return cached;
        }
        // The picture itself until the variant is ready. A scaling for a size no longer shown
        // runs to its end before the next starts, so that resizing keeps one going at a time.
        wanted = key;
        if (awaited.isEmpty()) {
            awaited = key;
            scaleInBackground(variant, source.size() * VariantFactor, size, devicePixelRatio);
        }
        if (sameSize)
            return cached;
    } else {
        wanted.clear();
    }
    cached = smoothlyScaled(source, size, devicePixelRatio);
    cachedFromVariant = false;
    cachedSize = size;
    cachedRatio = devicePixelRatio;
    return cached;
}

void ShownPicture::variantScaled(const QString& key, const QPixmap& scaled) {
    if (key == awaited)
        awaited.clear();
    if (scaled.isNull() && !variant.isEmpty() && key.startsWith(variant + QLatin1Char('|'))) {
        variant.clear(); // unreadable after all: the picture itself from now on
        wanted.clear();
        return;
    }
    if (wanted.isEmpty())
        return;
    // Taken as delivered even when too large to be kept.
    const QPixmap* kept =
        key == wanted && !scaled.isNull() ? &scaled : scaledVariants().object(wanted);
    if (kept) {
        cached = *kept;
        cachedFromVariant = true;
        wanted.clear();
        if (variantReady)
            variantReady();
    } else if (awaited.isEmpty()) {
        awaited = wanted;
        scaleInBackground(variant, source.size() * VariantFactor, cachedSize, cachedRatio);
    }
}

void ForgetScaledVariants() {
    scaledVariants().clear();
}

bool ScalingVariants() {
    return !scaling().inProgress.isEmpty();
}

QString HighResolutionVariantOf(const QString& picturePath) {
    const QFileInfo picture(picturePath);
    const QString variant =
        picture.path() + QLatin1Char('/') + picture.completeBaseName() + QStringLiteral("@4x.png");
    return QFileInfo(variant).isFile() ? variant : QString();
}

void CheckHighResolutionVariant(const QString& variantFile, QSize pictureSize) {
    QImageReader reader(variantFile);
    const QSize size = reader.size();
    if (!size.isValid())
        throw TerravaError(
            QCoreApplication::translate("ShownPicture", "Cannot read the picture %1: %2")
                .arg(QDir::toNativeSeparators(variantFile), reader.errorString()));
    const QSize expected = pictureSize * VariantFactor;
    if (size != expected)
        throw TerravaError(
            QCoreApplication::translate(
                "ShownPicture",
                "The picture %1 is %2 x %3 pixels; as the high-resolution variant of "
                "a picture of %4 x %5 it must be %6 x %7")
                .arg(QDir::toNativeSeparators(variantFile))
                .arg(size.width())
                .arg(size.height())
                .arg(pictureSize.width())
                .arg(pictureSize.height())
                .arg(expected.width())
                .arg(expected.height()));
}
