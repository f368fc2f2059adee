// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Reads the picture at path, whose file name is name: "bmp" and "ico" by their readers, the
// metafiles and every other extension refused. A bitmap that is empty, not a BMP, cut short or
// larger than a picture may be is refused before the reader sees it. Raises TerravaError with
// the path and what is wrong.
QImage ReadPictureFile(const QString& path, const QString& name);
