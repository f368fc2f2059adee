// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFile.h"

#include "Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <array>

namespace {

// What the reader would report only as "Unable to read image data", or worse: rows missing
// from a file cut short it fills with whatever memory held. Says what is wrong with a bitmap
// file, or nothing when the rest is left to the reader to judge.
QString bitmapProblem(QFile& file) {
    if (file.size() == 0)
        return QCoreApplication::translate("PictureFile", "the file is empty");
    const QByteArray head = file.peek(34); // the file header and the start of the info header
    if (!head.startsWith("BM"))
        return QCoreApplication::translate("PictureFile", "the file is not a BMP picture");
    if (head.size() < 26)
        return {};
    std::array<uchar, 34> bytes{}; // a fixed copy: the fields past the end of a short head read 0
    std::copy_n(head.constData(), std::min<qsizetype>(head.size(), 34), bytes.begin());
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.data() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.data() + at); };
    const quint32 headerSize = u32(14);
    qint64 width = 0, height = 0, bits = 0;
    bool runLength = false;
    if (headerSize == 12) {
        width = u16(18);
        height = u16(20);
        bits = u16(24);
    } else if (headerSize >= 40 && head.size() == 34) {
        width = qint32(u32(18));
        height = qAbs(qint64(qint32(u32(22)))); // negative: rows top down
        bits = u16(28);
        runLength = u32(30) != 0 && u32(30) != 3; // no fixed size
    }
    if (width <= 0 || height <= 0 || bits <= 0 || bits > 32)
        return {};
    // Shown pictures have 32 bits a pixel, whatever the file's depth.
    if (const int limitMb = QImageReader::allocationLimit();
        limitMb > 0 && width * height * 4 > qint64(limitMb) * 1024 * 1024)
        return QCoreApplication::translate(
                   "PictureFile",
                   "its header announces %1 x %2 pixels, more than a picture may have")
            .arg(width)
            .arg(height);
    const qint64 needed = qint64(u32(10)) + (width * bits + 31) / 32 * 4 * height;
    if (runLength || file.size() >= needed)
        return {};
    return QCoreApplication::translate(
               "PictureFile",
               "the file is cut short: it holds %1 bytes of the %2 its header announces")
        .arg(file.size())
        .arg(needed);
}

} // namespace

QImage ReadPictureFile(const QString& path, const QString& name) {
    const QString extension = QFileInfo(name).suffix().toLower();
    if (extension == QLatin1String("wmf") || extension == QLatin1String("emf"))
        throw TerravaError(
            QCoreApplication::translate(
                "PictureFile", "Cannot show %1: metafile pictures (.%2) have no reader here")
                .arg(path, extension));
    if (extension != QLatin1String("bmp") && extension != QLatin1String("ico"))
        throw TerravaError(
            QCoreApplication::translate("PictureFile", "Unknown picture file extension (.%1)")
                .arg(QFileInfo(name).suffix()));
    const auto cannotRead = [&](const QString& why) {
        return TerravaError(
            QCoreApplication::translate("PictureFile", "Cannot read the picture %1: %2")
                .arg(QDir::toNativeSeparators(path), why));
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotRead(file.errorString());
    if (extension == QLatin1String("bmp")) {
        if (const QString why = bitmapProblem(file); !why.isEmpty())
            throw cannotRead(why);
    }
    QImageReader reader(&file, extension.toLatin1());
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull())
        throw cannotRead(reader.errorString());
    return image;
}
