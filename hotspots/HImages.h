// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CustomHImages.h"

// The map control as forms use it: all behaviour is TCustomHyperImages'; this class publishes
// the properties so that a form's layout can set them.
class THyperImages : public TCustomHyperImages {
    Q_OBJECT
    Q_PROPERTY(bool AutoScaleImage READ AutoScaleImage WRITE setAutoScaleImage)
    Q_PROPERTY(bool AutoScalePanel READ AutoScalePanel WRITE setAutoScalePanel)
    Q_PROPERTY(int HotCursor READ HotCursor WRITE setHotCursor)
    Q_PROPERTY(QStringList HotspotsDef READ HotspotsDef WRITE setHotspotsDef)
    Q_PROPERTY(bool IncrementalDisplay READ IncrementalDisplay WRITE setIncrementalDisplay)
    Q_PROPERTY(bool InvertOnHot READ InvertOnHot WRITE setInvertOnHot)
    Q_PROPERTY(bool HintOnHot READ HintOnHot WRITE setHintOnHot)
    Q_PROPERTY(QString ImageHint READ ImageHint WRITE setImageHint)
    Q_PROPERTY(QPixmap Picture READ Picture WRITE setPicture)
    Q_PROPERTY(QString PictureFilename READ PictureFilename WRITE setPictureFilename)
    Q_PROPERTY(QString PicturesDir READ PicturesDir WRITE setPicturesDir)
    Q_PROPERTY(int Scale READ Scale WRITE setScale)
    Q_PROPERTY(bool ShowHotspots READ ShowHotspots WRITE setShowHotspots)
    Q_PROPERTY(int BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(int BevelOuter READ BevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool NamesShown READ NamesShown WRITE setNamesShown)
public:
    using TCustomHyperImages::TCustomHyperImages;
};
