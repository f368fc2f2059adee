// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// The picture of a map as it is drawn: scaled to exactly Scale percent of its own size (the
// percentage hit testing uses), for a device of a given pixel ratio, made once per size.
//
// A picture may have a high-resolution variant "Name@4x.png" beside "Name.bmp", four times its
// width and height. Where the picture is shown larger than its own pixels on the device, the
// variant is scaled down instead of the picture being blown up; it is read only then, and let
// go once scaled, so a map that is never enlarged never reads it.
class ShownPicture {
public:
    // The picture and the file of its variant (empty: none).
    void set(const QImage& picture, const QString& variantFile);
    const QImage& picture() const { return source; }
    const QString& variantFile() const { return variant; }

    // The picture at scale percent on a device of the given pixel ratio, with that ratio as
    // its own: drawn at (0, 0) it covers picture size * scale / 100 device-independent pixels.
    const QPixmap& pixmap(int scale, qreal devicePixelRatio);
    // Whether the last pixmap made was scaled from the variant.
    bool fromVariant() const { return cachedFromVariant; }

private:
    QImage source;
    QString variant;
    QPixmap cached;
    QSize cachedSize;
    qreal cachedRatio = 0;
    bool cachedFromVariant = false;
};

// The file of the high-resolution variant of a picture file, "Name@4x.png" in the same folder
// (a resource folder too), or an empty text when there is none.
QString HighResolutionVariantOf(const QString& picturePath);

// Lets go of the variants kept scaled across loads, so that the next load reads its variant
// again (for measuring a first load).
void ForgetScaledVariants();

// Raises a clear error when a variant's header does not announce four times the picture's
// size, or cannot be read.
void CheckHighResolutionVariant(const QString& variantFile, QSize pictureSize);
