// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// The primary screen in device-independent pixels: its whole size, and the part of it that
// windows may take (the desktop's panels and docks left out). Tests put fixed values in their
// place.
QSize PrimaryScreenSize();
QRect PrimaryScreenAvailableGeometry();

// A screen of this size whose whole area is available; an invalid size restores the real one.
void setPrimaryScreenSizeOverride(QSize size);
// A screen of this size of which only `available` may be taken by windows.
void setPrimaryScreenOverride(QSize size, QRect available);
