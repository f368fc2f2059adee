#pragma once

#include <QSize>

// The primary screen's size in pixels; tests put a fixed size in its place.
QSize PrimaryScreenSize();
void setPrimaryScreenSizeOverride(QSize size); // an invalid size restores the real one
