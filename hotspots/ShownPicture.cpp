// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShownPicture.h"

#include "Error.h"

#include <QCache>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
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

} // namespace

void ShownPicture::set(const QImage& picture, const QString& variantFile) {
    source = picture;
    variant = variantFile;
    cached = QPixmap();
    cachedSize = QSize();
    cachedRatio = 0;
    cachedFromVariant = false;
}

const QPixmap& ShownPicture::pixmap(int scale, qreal devicePixelRatio) {
    // Device pixels of the picture at exactly scale percent, rounded to whole pixels.
    const double factor = double(scale) * devicePixelRatio / 100.0;
    const QSize size(std::max(1, int(std::lround(source.width() * factor))),
                     std::max(1, int(std::lround(source.height() * factor))));
    if (source.isNull() || (size == cachedSize && devicePixelRatio == cachedRatio))
        return cached;
    QImage from;
    if (factor > 1.0 && !variant.isEmpty()) {
        const QString key = variantKey(variant, size, devicePixelRatio);
        if (const QPixmap* kept = scaledVariants().object(key)) {
            cached = *kept;
            cachedSize = size;
            cachedRatio = devicePixelRatio;
            cachedFromVariant = true;
            return cached;
        }
        from = readVariant(variant, source.size() * VariantFactor);
        if (from.isNull())
            variant.clear(); // unreadable after all: the picture itself from now on
    }
    cachedFromVariant = !from.isNull();
    if (from.isNull())
        from = source;
    QImage scaled =
        smoothlyScalable(from).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    cached = QPixmap::fromImage(std::move(scaled));
    if (cachedFromVariant)
        scaledVariants().insert(variantKey(variant, size, devicePixelRatio), new QPixmap(cached),
                                qMax<qsizetype>(1, cached.width() * cached.height() * 4 / 1024));
    cachedSize = size;
    cachedRatio = devicePixelRatio;
    return cached;
}

void ForgetScaledVariants() {
    scaledVariants().clear();
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
        throw TerravaError(QStringLiteral("Cannot read the picture %1: %2")
                               .arg(QDir::toNativeSeparators(variantFile), reader.errorString()));
    const QSize expected = pictureSize * VariantFactor;
    if (size != expected)
        throw TerravaError(
            QStringLiteral("The picture %1 is %2 x %3 pixels; as the high-resolution variant of "
                           "a picture of %4 x %5 it must be %6 x %7")
                .arg(QDir::toNativeSeparators(variantFile))
                .arg(size.width())
                .arg(size.height())
                .arg(pictureSize.width())
                .arg(pictureSize.height())
                .arg(expected.width())
                .arg(expected.height()));
}
