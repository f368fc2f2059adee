// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>

// The picture of a map as it is drawn: scaled to exactly Scale percent of its own size (the
// percentage hit testing uses), for a device of a given pixel ratio, made once per size.
//
// A picture may have a high-resolution variant "Name@4x.png" beside "Name.bmp", four times its
// width and height. Where the picture is shown larger than its own pixels on the device, the
// variant is scaled down instead of the picture being blown up; it is read only then, and let
// go once scaled, so a map that is never enlarged never reads it. Reading and scaling a variant
// takes a tenth of a second or more, so it is done on a worker thread: until it is ready the
// picture itself is drawn, smoothly enlarged, and the owner is told when the variant can replace
// it.
class ShownPicture {
public:
    ShownPicture();
    ~ShownPicture();
    ShownPicture(const ShownPicture&) = delete;
    ShownPicture& operator=(const ShownPicture&) = delete;

    // Called when a variant scaled in the background can replace what was drawn: the owner
    // repaints. Only ever on the thread that draws.
    void setOnVariantReady(std::function<void()> notify) { variantReady = std::move(notify); }

    // The picture and the file of its variant (empty: none).
    void set(const QImage& picture, const QString& variantFile);
    const QImage& picture() const { return source; }
    const QString& variantFile() const { return variant; }

    // The picture at scale percent on a device of the given pixel ratio, with that ratio as
    // its own: drawn at (0, 0) it covers picture size * scale / 100 device-independent pixels.
    const QPixmap& pixmap(int scale, qreal devicePixelRatio);
    // Whether the last pixmap made was scaled from the variant.
    bool fromVariant() const { return cachedFromVariant; }

    // A variant has been scaled in the background (null: found unreadable).
    void variantScaled(const QString& key, const QPixmap& scaled);

private:
    QImage source;
    QString variant;
    QPixmap cached;
    QSize cachedSize;
    qreal cachedRatio = 0;
    bool cachedFromVariant = false;
    std::function<void()> variantReady;
    QString wanted;  // the variant that is to replace the picture drawn in its place
    QString awaited; // the scaling this picture waits for, one at a time
};

// The file of the high-resolution variant of a picture file, "Name@4x.png" in the same folder
// (a resource folder too), or an empty text when there is none.
QString HighResolutionVariantOf(const QString& picturePath);

// Lets go of the variants kept scaled across loads, so that the next load reads its variant
// again (for measuring a first load).
void ForgetScaledVariants();

// Whether variants are being scaled in the background.
bool ScalingVariants();

// Raises a clear error when a variant's header does not announce four times the picture's
// size, or cannot be read.
void CheckHighResolutionVariant(const QString& variantFile, QSize pictureSize);
