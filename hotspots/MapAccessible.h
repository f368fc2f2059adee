// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TCustomHyperImages;

// What a screen reader learns of a map: its accessible name, and a description that adds the
// picture on show to the one its layout gives. The map is one graphic: its paint area is not
// a child of its own.

// Installs the accessible interface of the maps; the map's constructor calls it, once is enough.
void InstallMapAccessibility();

// "Picture on show: Italia", from the map's picture file name; "No picture on show".
QString PictureOnShow(const TCustomHyperImages& map);

// Tells assistive technology that the map's description changed with its picture.
void NotifyPictureShown(TCustomHyperImages* map);
