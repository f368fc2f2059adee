// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Cursors.h"
#include "HotspotMap.h"
#include "HotspotNavigation.h"
#include "PanelFrame.h"
#include "ShownPicture.h"

#include <QImage>
#include <QPen>
#include <QPixmap>
#include <QRegion>
#include <QWidget>
#include <functional>

class QPainter;
class TCustomHyperImages;

// The paint area: shows the picture and receives the mouse. It only forwards to its owner.
class TPaintArea : public QWidget {
    Q_OBJECT
public:
    explicit TPaintArea(TCustomHyperImages* owner);

    // The hint shown over the area, and whether hints show at all.
    void setHint(const QString& hint);
    const QString& hint() const { return hintText; }
    void setShowHint(bool show);
    bool showHint() const { return hintsShown; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TCustomHyperImages* owner;
    QString hintText;
    bool hintsShown = false;
    bool pressedInside = false;
};

// A picture with named clickable hotspots. It knows the hotspots of every picture it may show
// (HotspotsDef), activates those of the picture on show, turns points over the picture into
// hotspot names, tracks the hotspot under the pointer, and loads further pictures by file name
// from its pictures folder, fitting them to its size or itself to them.
//
// From the keyboard, once given a focus policy of Qt::TabFocus (a click then takes no focus, so
// the mouse game looks as before): Tab gives the map the focus; while it has it, a selection marks
// one hotspot, inverted as hot tracking inverts the one under the pointer; the arrows, Home and End
// move it (HotspotNavigation), and Enter or Space chooses it exactly as a click at a point of
// it would, through the same image events. The selection is named by its hotspot, or, with
// NamesShown off, only by its place ("place 3 of 92"), so that a quiz gives nothing away.
class TCustomHyperImages : public QWidget {
    Q_OBJECT
public:
    explicit TCustomHyperImages(QWidget* parent = nullptr);
    ~TCustomHyperImages() override;

    // True with Name set when an active hotspot holds the picture-area point (X, Y).
    bool HotspotAt(int X, int Y, QString& Name) const;

    // Loads FileName (its folder dropped) from PicturesDir and activates its hotspots.
    void LoadPicture(const QString& FileName);

    // The end of loading: the form calls it once its layout has been set up.
    void Loaded();

    // Properties.
    bool AutoScaleImage() const { return autoScaleImage; }
    void setAutoScaleImage(bool value);
    bool AutoScalePanel() const { return autoScalePanel; }
    void setAutoScalePanel(bool value);
    int HotCursor() const { return hotCursor; }
    void setHotCursor(int value) { hotCursor = TCursor(value); }
    QStringList HotspotsDef() const { return hotspots.definitions().lines(); }
    void setHotspotsDef(const QStringList& lines);
    const QPen& HotspotsPen() const { return hotspotsPen; }
    void setHotspotsPen(const QPen& pen);
    bool IncrementalDisplay() const { return incrementalDisplay; }
    void setIncrementalDisplay(bool value) { incrementalDisplay = value; }
    bool InvertOnHot() const { return invertOnHot; }
    void setInvertOnHot(bool value) { invertOnHot = value; }
    // Whether the map draws from the high-resolution variant (once it has been scaled).
    bool DrawsFromVariant() const { return shown.fromVariant(); }
    bool HintOnHot() const { return hintOnHot; }
    void setHintOnHot(bool value);
    QString ImageHint() const { return imageHint; }
    void setImageHint(const QString& value) { imageHint = value; }
    QPixmap Picture() const { return QPixmap::fromImage(shown.picture()); }
    const QImage& PictureImage() const { return shown.picture(); }
    // A picture given here has no high-resolution variant until one is given.
    void setPicture(const QPixmap& value);
    void setPictureImage(const QImage& value);
    // The high-resolution variant of the picture on show, four times its width and height:
    // LoadPicture finds it beside the picture file; a layout gives it for its stored picture.
    // A file that does not exist is no variant.
    QString PictureVariant() const { return shown.variantFile(); }
    void setPictureVariant(const QString& file);
    QString PictureFilename() const { return pictureFilename; }
    void setPictureFilename(const QString& value);
    QString PicturesDir() const { return picturesDir; }
    void setPicturesDir(const QString& value);
    int Scale() const { return scale; }
    void setScale(int value);
    bool ShowHotspots() const { return showHotspots; }
    void setShowHotspots(bool value);

    // Panel frame.
    int BevelInner() const { return int(frameStyle.bevelInner); }
    void setBevelInner(int value);
    int BevelOuter() const { return int(frameStyle.bevelOuter); }
    void setBevelOuter(int value);
    int BevelWidth() const { return frameStyle.bevelWidth; }
    void setBevelWidth(int value);
    int BorderWidth() const { return frameStyle.borderWidth; }
    void setBorderWidth(int value);
    int BorderStyle() const { return frameStyle.singleBorder ? 1 : 0; }
    void setBorderStyle(int value);
    QColor Color() const { return faceColor; }
    void setColor(const QColor& value);

    // Drawn over the picture at the end of each paint, in the paint area's coordinates, with
    // the Scale the picture is drawn at (picture pixel p lies at p * scale / 100): a view that
    // marks places on the map needs no painting of its own. None by default.
    using OverlayPainter = std::function<void(QPainter& painter, int scale)>;
    void setOverlayPainter(OverlayPainter painter);

    // Parts and state, for the form and for tests.
    TPaintArea* PaintArea() const { return paintArea; }
    const HotspotMap& hotspotMap() const { return hotspots; }
    const std::vector<ActiveHotspot>& ActiveHotspots() const { return hotspots.active(); }
    int HotIndex() const { return hotIndex; }
    const RegionHandle& HotRegion() const { return hotRegion; }

    // The keyboard's places on the picture on show, and the one selected (-1 = none).
    const std::vector<HotspotPlace>& Places() const { return places; }
    const HotspotNavigation& Navigation() const { return navigation; }
    int SelectedPlace() const { return selectedPlace; }
    void selectPlace(int place);
    // The selection is shown while the map has the focus and the keyboard is in use.
    bool selectionShown() const;
    // Whether places are named by their hotspots (true) or only by their position.
    bool NamesShown() const { return namesShown; }
    void setNamesShown(bool value);
    QString placeName(int place) const;
    // The place's box in the map's own coordinates, as the picture shows it now.
    QRect placeRect(int place) const;
    // Counts the changes of places, so that what is kept about them can tell it is stale.
    int placesGeneration() const { return placesVersion; }

signals:
    void OnImageMouseDown(TCustomHyperImages* Sender, Qt::MouseButton Button,
                          Qt::KeyboardModifiers Shift, int X, int Y);
    void OnImageMouseUp(TCustomHyperImages* Sender, Qt::MouseButton Button,
                        Qt::KeyboardModifiers Shift, int X, int Y);
    void OnImageMouseMove(TCustomHyperImages* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnImageClick(TCustomHyperImages* Sender);
    void OnImageDblClick(TCustomHyperImages* Sender);
    // The component's own events: only for its frame and the margins around the picture.
    void OnMouseDown(TCustomHyperImages* Sender, Qt::MouseButton Button,
                     Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseUp(TCustomHyperImages* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                   int X, int Y);
    void OnMouseMove(TCustomHyperImages* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnClick(TCustomHyperImages* Sender);
    void OnDblClick(TCustomHyperImages* Sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class TPaintArea;

    void UpdateLayout();
    void DeleteRegions();
    void paintPicture(QPainter& painter);
    void DrawHotspots(QPainter& painter) const;
    void paintHotRegion(QPainter& painter, QPoint clientToLocal) const;
    void hotTrack(Qt::KeyboardModifiers shift, int x, int y);
    void trackOnHotspot(int hit);
    void trackOffHotspots();
    void showHint(const QString& hint);
    void invertHotspot(int hit);
    QRegion clientPixelsOf(int hit) const;
    void placesChanged();
    void selectionChanged();
    void chooseSelected();
    void clearHotRegion();
    void pointerLeft();
    QPoint clientOrigin() const;

    ShownPicture shown; // the picture and its variant, scaled once per size
    HotspotMap hotspots;
    int scale = 100;
    bool autoScaleImage = false;
    bool autoScalePanel = false;
    TCursor hotCursor = crDefault;
    bool invertOnHot = false;
    bool hintOnHot = false;
    QString imageHint;
    RegionHandle hotRegion; // client coordinates
    QRegion hotPixels;      // the same pixels, for painting
    int hotIndex = -1;
    QString picturesDir;
    QString pictureFilename;
    bool showHotspots = false;
    QPen hotspotsPen;
    bool incrementalDisplay = false;
    PanelFrameStyle frameStyle;
    QColor faceColor;
    TPaintArea* paintArea = nullptr;
    bool laying = false;
    bool pressedOnFrame = false;
    std::vector<HotspotPlace> places;
    HotspotNavigation navigation;
    int selectedPlace = -1;
    QRegion selectedPixels; // client coordinates, like hotPixels
    bool namesShown = true;
    int placesVersion = 0;
    OverlayPainter overlayPainter;
};
