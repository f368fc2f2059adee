// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TCustomHyperImages;

// What a screen reader learns of a map: its accessible name, a description that adds the
// picture on show to the one its layout gives, and its keyboard places as children, the
// selected one focused while the map has the focus. The paint area is not a child of its own.

// Installs the accessible interface of the maps; the map's constructor calls it, once is enough.
void InstallMapAccessibility();

// "Picture on show: Italia", from the map's picture file name; "No picture on show".
QString PictureOnShow(const TCustomHyperImages& map);

// Tells assistive technology that the map's description changed with its picture.
void NotifyPictureShown(TCustomHyperImages* map);

// Tells assistive technology that the selected place has the focus (it moved, or the map got
// the focus), and that the places' names changed.
void NotifyPlaceFocused(TCustomHyperImages* map);
void NotifyPlaceNamesChanged(TCustomHyperImages* map);
