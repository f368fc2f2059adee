// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomHImages.h"

#include "Error.h"
#include "FocusFrame.h"
#include "Layout.h"
#include "MapAccessible.h"
#include "MessageBoxes.h"
#include "PictureFile.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include <climits>

namespace {

// The pixels of a region within a window: a hotspot far larger than its map (a typing slip
// in a coordinate, say) costs no more than the part that can be seen.
QRegion toQRegion(const Region& region, const QRect& window) {
    QRegion pixels;
    const std::int64_t top = std::max<std::int64_t>(region.top(), window.top());
    const std::int64_t bottom = std::min<std::int64_t>(region.bottom(), window.bottom() + 1);
    for (std::int64_t y = top; y < bottom; ++y) {
        for (const Region::Span& span : region.rowSpans(y, window.left(), window.right() + 1))
            pixels += QRect(int(span.begin), int(y), int(span.end - span.begin), 1);
    }
    return pixels;
}

} // namespace

// --- the paint area ------------------------------------------------------------------------

TPaintArea::TPaintArea(TCustomHyperImages* owner) : QWidget(owner), owner(owner) {
    setMouseTracking(true); // hot tracking follows the pointer without a button held
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintArea::setHint(const QString& hint) {
    hintText = hint;
    setToolTip(hintsShown ? hintText : QString());
}

void TPaintArea::setShowHint(bool show) {
    hintsShown = show;
    setToolTip(hintsShown ? hintText : QString());
}

bool TPaintArea::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && !hintsShown)
        return true;
    return QWidget::event(event);
}

void TPaintArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    owner->paintPicture(painter);
}

void TPaintArea::mousePressEvent(QMouseEvent* event) {
    pressedInside = event->button() == Qt::LeftButton;
    const QPoint p = event->position().toPoint();
    emit owner->OnImageMouseDown(owner, event->button(), event->modifiers(), p.x(), p.y());
}

void TPaintArea::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit owner->OnImageMouseUp(owner, event->button(), event->modifiers(), p.x(), p.y());
    if (event->button() == Qt::LeftButton && pressedInside && rect().contains(p))
        emit owner->OnImageClick(owner);
    pressedInside = false;
}

void TPaintArea::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit owner->OnImageMouseDown(owner, event->button(), event->modifiers(), p.x(), p.y());
    if (event->button() == Qt::LeftButton)
        emit owner->OnImageDblClick(owner);
}

void TPaintArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    owner->hotTrack(event->modifiers(), p.x(), p.y());
}

void TPaintArea::leaveEvent(QEvent*) {
    owner->pointerLeft();
}

// --- the component -------------------------------------------------------------------------

TCustomHyperImages::TCustomHyperImages(QWidget* parent) : QWidget(parent) {
    resize(105, 105);
    faceColor = palette().color(QPalette::Button);
    paintArea = new TPaintArea(this);
    paintArea->setGeometry(1, 1, 103, 103);
    paintArea->show();
    shown.setOnVariantReady([this] { paintArea->update(); });
    setMouseTracking(true);
    if (FocusFrame* frame = FocusFrame::install())
        connect(frame, &FocusFrame::keyboardFocusShownChanged, this, [this] {
            update();
            paintArea->update();
        });
    InstallMapAccessibility();
}

TCustomHyperImages::~TCustomHyperImages() {
    DeleteRegions();
}

bool TCustomHyperImages::HotspotAt(int X, int Y, QString& Name) const {
    return hotspots.HotspotAt(X, Y, scale, Name);
}

void TCustomHyperImages::DeleteRegions() {
    // Our regions are values: releasing them cannot fail, so the warning for a region that
    // could not be released never comes up here.
    hotspots.DeleteRegions();
}

void TCustomHyperImages::Loaded() {
    if (!shown.picture().isNull())
        hotspots.BuildRegions(pictureFilename);
    placesChanged();
    update();
}

void TCustomHyperImages::LoadPicture(const QString& FileName) {
    const QString name = QFileInfo(FileName).fileName();
    const QFileInfo file(picturesDir + name);
    if (file.exists() && !file.isDir()) {
        DeleteRegions();
        placesChanged();
        clearHotRegion(); // its pixels belong to the picture going away
        const QImage image = ReadPictureFile(file.filePath(), name);
        const QString variant = HighResolutionVariantOf(file.filePath());
        if (!variant.isEmpty())
            CheckHighResolutionVariant(variant, image.size());
        shown.set(image, variant);
        // The layout follows only once the hotspots are built and the name is set: a bad
        // definition line stops the loading with the new picture in the old layout.
        if (!image.isNull())
            hotspots.BuildRegions(name);
        placesChanged();
        setPictureFilename(name);
        UpdateLayout();
        return;
    }
    const QString notFound = tr("File %1 not found.").arg(name) + QLatin1Char('\r');
    if (!picturesDir.isEmpty())
        MessageBoxes::show(this, MessageKind::Error,
                           notFound + tr("The file should be in directory :") + QLatin1Char('\r') +
                               picturesDir);
    else
        MessageBoxes::show(this, MessageKind::Error,
                           notFound + tr("The PicturesDir property is not set."));
}

void TCustomHyperImages::UpdateLayout() {
    const QImage& picture = shown.picture();
    if (picture.isNull() || picture.width() == 0 || picture.height() == 0 || laying)
        return;
    LayoutInput in;
    in.componentWidth = width();
    in.componentHeight = height();
    in.frame = panelFrameWidth(frameStyle);
    in.border = panelBorderWidth(frameStyle);
    in.pictureWidth = picture.width();
    in.pictureHeight = picture.height();
    in.scale = scale;
    in.autoScaleImage = autoScaleImage;
    in.autoScalePanel = autoScalePanel;
    const LayoutResult out = ComputeLayout(in);
    if (!out.applies)
        return;
    laying = true;
    scale = out.scale;
    if (autoScalePanel)
        resize(out.componentWidth, out.componentHeight);
    const QPoint origin = clientOrigin();
    paintArea->setGeometry(out.paintLeft + origin.x(), out.paintTop + origin.y(), out.paintWidth,
                           out.paintHeight);
    laying = false;
    if (selectedPlace >= 0) // the selection follows the picture's new size
        selectedPixels = clientPixelsOf(places[std::size_t(selectedPlace)].hotspot);
    update();
    paintArea->update();
}

QPoint TCustomHyperImages::clientOrigin() const {
    const int border = panelBorderWidth(frameStyle);
    return {border, border};
}

// --- properties ----------------------------------------------------------------------------

void TCustomHyperImages::setAutoScaleImage(bool value) {
    if (value == autoScaleImage)
        return;
    if (value)
        autoScalePanel = false;
    autoScaleImage = value;
    UpdateLayout();
}

void TCustomHyperImages::setAutoScalePanel(bool value) {
    if (value == autoScalePanel)
        return;
    if (value)
        autoScaleImage = false;
    autoScalePanel = value;
    UpdateLayout();
}

void TCustomHyperImages::setHotspotsDef(const QStringList& lines) {
    hotspots.definitions().assign(lines);
}

void TCustomHyperImages::setHotspotsPen(const QPen& pen) {
    hotspotsPen = pen;
    if (showHotspots)
        paintArea->update(); // the outlines are redrawn with the new pen
}

void TCustomHyperImages::setHintOnHot(bool value) {
    hintOnHot = value;
    paintArea->setShowHint(value);
}

void TCustomHyperImages::setPicture(const QPixmap& value) {
    setPictureImage(value.toImage());
}

void TCustomHyperImages::setPictureImage(const QImage& value) {
    shown.set(value, QString());
    UpdateLayout();
    NotifyPictureShown(this);
}

void TCustomHyperImages::setPictureVariant(const QString& file) {
    if (!QFileInfo(file).isFile()) {
        shown.set(shown.picture(), QString());
        return;
    }
    CheckHighResolutionVariant(file, shown.picture().size());
    shown.set(shown.picture(), file);
    paintArea->update();
}

void TCustomHyperImages::setPictureFilename(const QString& value) {
    if (value == pictureFilename)
        return;
    pictureFilename = value;
    NotifyPictureShown(this);
}

void TCustomHyperImages::setPicturesDir(const QString& value) {
    QString dir = value;
    if (!dir.isEmpty() && !dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    if (dir != picturesDir)
        picturesDir = dir;
}

void TCustomHyperImages::setScale(int value) {
    if (value == 0)
        return;
    scale = value;
    UpdateLayout();
}

void TCustomHyperImages::setShowHotspots(bool value) {
    if (value == showHotspots)
        return;
    showHotspots = value;
    update();
    paintArea->update();
}

void TCustomHyperImages::setBevelInner(int value) {
    frameStyle.bevelInner = BevelCut(std::clamp(value, 0, 3));
    UpdateLayout();
    update();
}

void TCustomHyperImages::setBevelOuter(int value) {
    frameStyle.bevelOuter = BevelCut(std::clamp(value, 0, 3));
    UpdateLayout();
    update();
}

void TCustomHyperImages::setBevelWidth(int value) {
    frameStyle.bevelWidth = std::max(1, value);
    UpdateLayout();
    update();
}

void TCustomHyperImages::setBorderWidth(int value) {
    frameStyle.borderWidth = std::max(0, value);
    UpdateLayout();
    update();
}

void TCustomHyperImages::setBorderStyle(int value) {
    frameStyle.singleBorder = value != 0;
    UpdateLayout();
    update();
}

void TCustomHyperImages::setColor(const QColor& value) {
    faceColor = value;
    update();
}

// --- painting ------------------------------------------------------------------------------

void TCustomHyperImages::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    paintPanelFrame(painter, rect(), frameStyle, faceColor, pal.color(QPalette::Light),
                    pal.color(QPalette::Dark));
    paintHotRegion(painter, clientOrigin());
}

void TCustomHyperImages::paintPicture(QPainter& painter) {
    const QRect area = paintArea->rect();
    if (shown.picture().isNull()) {
        painter.fillRect(area, faceColor);
        paintHotRegion(painter, clientOrigin() - paintArea->pos());
        return;
    }
    // Drawn at exactly Scale percent, so that picture pixel p shows where a click maps back to
    // p; what the picture leaves of the area, and what shows through it, is the panel's face.
    // The ratio of the device that takes the pixels: the window's, or an image's in a render.
    const QPaintDevice* device =
        painter.paintEngine() ? painter.paintEngine()->paintDevice() : painter.device();
    const QPixmap& pixmap = shown.pixmap(scale, device->devicePixelRatioF());
    const QSizeF drawn = pixmap.deviceIndependentSize();
    if (shown.picture().hasAlphaChannel())
        painter.fillRect(area, faceColor);
    else
        for (const QRect& r : QRegion(area) - QRect(0, 0, int(drawn.width()), int(drawn.height())))
            painter.fillRect(r, faceColor);
    painter.drawPixmap(0, 0, pixmap);
    DrawHotspots(painter);
    paintHotRegion(painter, clientOrigin() - paintArea->pos());
    if (overlayPainter) {
        painter.save();
        overlayPainter(painter, scale);
        painter.restore();
    }
    if (selectionShown()) {
        // A small town inverted is a few pixels: a box in the focus colours shows where it is.
        const QRect box =
            placeRect(selectedPlace).translated(-paintArea->pos()).adjusted(-4, -4, 3, 3);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 4));
        painter.drawRect(box);
        painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
        painter.drawRect(box);
    }
}

void TCustomHyperImages::setOverlayPainter(OverlayPainter painter) {
    overlayPainter = std::move(painter);
    paintArea->update();
}

void TCustomHyperImages::DrawHotspots(QPainter& painter) const {
    if (shown.picture().isNull() || !showHotspots)
        return;
    painter.save();
    painter.setPen(hotspotsPen);
    painter.setBrush(Qt::NoBrush);
    for (const ActiveHotspot& entry : hotspots.active()) {
        const THotspotRec rec = ScaledHotspot(ParseHotspot(entry.definition), scale);
        const auto& p = rec.Points;
        // Outlines keep to the shape's box, whichever corners were given first: its right and
        // bottom edges are outside, and a pen of one pixel draws on both edges of a rectangle.
        // Sides of any 32-bit size are measured in 64 bits and kept where QRect can hold them.
        const auto fit = [](std::int64_t v) {
            return int(std::clamp<std::int64_t>(v, INT_MIN / 2, INT_MAX / 2));
        };
        const std::int64_t left = std::min(p[0].x, p[2].x), top = std::min(p[0].y, p[2].y);
        const QRect outline(fit(left), fit(top), fit(std::max(p[0].x, p[2].x) - left - 1),
                            fit(std::max(p[0].y, p[2].y) - top - 1));
        switch (rec.Shape) {
        case skPolygon:
            if (rec.Count >= 2) {
                QPolygon polygon;
                for (int i = 0; i < rec.Count; ++i)
                    polygon << QPoint(p[std::size_t(i)].x, p[std::size_t(i)].y);
                painter.drawPolygon(polygon);
            }
            break;
        case skRectangle:
            painter.drawRect(outline);
            break;
        case skRoundRect:
            painter.drawRoundedRect(outline, p[4].x / 2.0, p[4].y / 2.0);
            break;
        case skEllipse:
            painter.drawEllipse(outline);
            break;
        default:
            break;
        }
    }
    painter.restore();
}

// The hot region and the keyboard selection, each inverted once: where both mark the same
// hotspot, it is inverted once only.
void TCustomHyperImages::paintHotRegion(QPainter& painter, QPoint clientToLocal) const {
    QRegion inverted = hotRegion ? hotPixels : QRegion();
    if (selectionShown() && !(hotRegion && hotIndex == places[std::size_t(selectedPlace)].hotspot))
        inverted = inverted.xored(selectedPixels);
    if (inverted.isEmpty())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const QRect& r : inverted.translated(clientToLocal))
        painter.fillRect(r, Qt::white);
    painter.restore();
}

// --- hot tracking --------------------------------------------------------------------------

void TCustomHyperImages::hotTrack(Qt::KeyboardModifiers shift, int x, int y) {
    if (hotCursor != crDefault || invertOnHot || hintOnHot) {
        const int hit = hotspots.hitIndex(x, y, scale);
        if (hit >= 0)
            trackOnHotspot(hit);
        else
            trackOffHotspots();
    }
    emit OnImageMouseMove(this, shift, x, y);
}

void TCustomHyperImages::trackOnHotspot(int hit) {
    if (hotCursor != crDefault)
        paintArea->setCursor(cursorOf(hotCursor));
    if (hintOnHot)
        showHint(SplitDefinition(hotspots.active()[std::size_t(hit)].definition).name);
    if (invertOnHot && hotIndex != hit)
        invertHotspot(hit);
}

// Off every hotspot of a map that has some: the default cursor, the picture's own hint, no
// inversion. A map without hotspots leaves the cursor and hint the application gave it.
void TCustomHyperImages::trackOffHotspots() {
    if (hotspots.active().empty())
        return;
    if (hotCursor != crDefault)
        paintArea->unsetCursor();
    if (hintOnHot)
        showHint(imageHint);
    if (invertOnHot)
        clearHotRegion();
}

void TCustomHyperImages::showHint(const QString& hint) {
    if (hint == paintArea->hint())
        return;
    QToolTip::hideText(); // a tip still showing would keep the old text
    paintArea->setHint(hint);
}

void TCustomHyperImages::invertHotspot(int hit) {
    clearHotRegion();
    const ActiveHotspot& entry = hotspots.active()[std::size_t(hit)];
    RegionHandle region = CreateHotspotRegion(ScaledHotspot(ParseHotspot(entry.definition), scale));
    if (!region)
        return;
    const QPoint at = paintArea->pos() - clientOrigin();
    region->offset(at.x(), at.y());
    hotPixels = toQRegion(*region, QRect(QPoint(0, 0), size()).translated(-clientOrigin()));
    hotRegion = std::move(region);
    update();
    paintArea->update();
    hotIndex = hit;
}

void TCustomHyperImages::clearHotRegion() {
    if (!hotRegion)
        return;
    hotRegion.reset();
    hotPixels = QRegion();
    hotIndex = -1;
    update();
    paintArea->update();
}

void TCustomHyperImages::pointerLeft() {
    clearHotRegion();
}

// --- the component's own mouse events: frame and margins only ------------------------------

void TCustomHyperImages::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateLayout();
}

void TCustomHyperImages::mousePressEvent(QMouseEvent* event) {
    pressedOnFrame = event->button() == Qt::LeftButton;
    const QPoint p = event->position().toPoint();
    emit OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
}

void TCustomHyperImages::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseUp(this, event->button(), event->modifiers(), p.x(), p.y());
    if (event->button() == Qt::LeftButton && pressedOnFrame && rect().contains(p))
        emit OnClick(this);
    pressedOnFrame = false;
}

void TCustomHyperImages::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
    if (event->button() == Qt::LeftButton)
        emit OnDblClick(this);
}

void TCustomHyperImages::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseMove(this, event->modifiers(), p.x(), p.y());
}

void TCustomHyperImages::leaveEvent(QEvent*) {
    pointerLeft();
}

// --- the keyboard ---------------------------------------------------------------------------

// The pixels that hot tracking inverts for a hotspot, in client coordinates.
QRegion TCustomHyperImages::clientPixelsOf(int hit) const {
    const ActiveHotspot& entry = hotspots.active()[std::size_t(hit)];
    RegionHandle region = CreateHotspotRegion(ScaledHotspot(ParseHotspot(entry.definition), scale));
    if (!region)
        return {};
    const QPoint at = paintArea->pos() - clientOrigin();
    region->offset(at.x(), at.y());
    return toQRegion(*region, QRect(QPoint(0, 0), size()).translated(-clientOrigin()));
}

void TCustomHyperImages::placesChanged() {
    places = HotspotPlaces(hotspots, shown.picture().width(), shown.picture().height());
    navigation = HotspotNavigation(places);
    selectedPlace = -1;
    selectedPixels = QRegion();
    ++placesVersion;
    if (hasFocus())
        selectPlace(navigation.next(-1, NavigationKey::Home));
}

bool TCustomHyperImages::selectionShown() const {
    const FocusFrame* frame = FocusFrame::instance();
    return selectedPlace >= 0 && hasFocus() && (!frame || frame->keyboardFocusShown());
}

void TCustomHyperImages::selectPlace(int place) {
    if (place < 0 || place >= int(places.size()))
        return;
    selectedPlace = place;
    selectionChanged();
}

void TCustomHyperImages::selectionChanged() {
    selectedPixels =
        selectedPlace >= 0 ? clientPixelsOf(places[std::size_t(selectedPlace)].hotspot) : QRegion();
    update();
    paintArea->update();
    if (hasFocus())
        NotifyPlaceFocused(this);
}

void TCustomHyperImages::setNamesShown(bool value) {
    if (value == namesShown)
        return;
    namesShown = value;
    NotifyPlaceNamesChanged(this);
}

QString TCustomHyperImages::placeName(int place) const {
    if (place < 0 || place >= int(places.size()))
        return {};
    if (namesShown)
        return hotspots.nameOfActive(places[std::size_t(place)].hotspot);
    return tr("place %1 of %2").arg(navigation.readingPosition(place) + 1).arg(navigation.count());
}

QRect TCustomHyperImages::placeRect(int place) const {
    if (place < 0 || place >= int(places.size()) || scale <= 0)
        return {};
    const QRect box = places[std::size_t(place)].box;
    const auto shown = [this](int v, bool up) {
        return up ? (v * scale + 99) / 100 : v * scale / 100;
    };
    const QRect inArea(QPoint(shown(box.left(), false), shown(box.top(), false)),
                       QPoint(shown(box.left() + box.width(), true) - 1,
                              shown(box.top() + box.height(), true) - 1));
    return inArea.translated(paintArea->pos());
}

void TCustomHyperImages::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event); // Ctrl+Tab and the like belong to the pages
        return;
    }
    const FocusFrame* frame = FocusFrame::instance();
    const bool onlyShow = frame && frame->keyOnlyShowsFocus(); // the selection was not in view
    NavigationKey key;
    switch (event->key()) {
    case Qt::Key_Left:
        key = NavigationKey::Left;
        break;
    case Qt::Key_Right:
        key = NavigationKey::Right;
        break;
    case Qt::Key_Up:
        key = NavigationKey::Up;
        break;
    case Qt::Key_Down:
        key = NavigationKey::Down;
        break;
    case Qt::Key_Home:
        key = NavigationKey::Home;
        break;
    case Qt::Key_End:
        key = NavigationKey::End;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat() && !onlyShow) // one press of the key is one click
            chooseSelected();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const int to = onlyShow ? selectedPlace : navigation.next(selectedPlace, key);
    if (to >= 0) {
        selectedPlace = to;
        selectionChanged();
    }
}

// As a press of the left button at a point of the selected hotspot, released at once.
void TCustomHyperImages::chooseSelected() {
    if (selectedPlace < 0)
        return;
    const std::optional<QPoint> at =
        PressPoint(hotspots, places[std::size_t(selectedPlace)], scale);
    if (!at)
        return;
    QPointer<TCustomHyperImages> self(this);
    emit OnImageMouseDown(this, Qt::LeftButton, Qt::NoModifier, at->x(), at->y());
    if (!self)
        return;
    emit OnImageMouseUp(this, Qt::LeftButton, Qt::NoModifier, at->x(), at->y());
    if (self)
        emit OnImageClick(this);
}

void TCustomHyperImages::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (selectedPlace < 0 && !places.empty())
        selectedPlace = navigation.next(-1, NavigationKey::Home);
    selectedPixels =
        selectedPlace >= 0 ? clientPixelsOf(places[std::size_t(selectedPlace)].hotspot) : QRegion();
    update();
    paintArea->update();
    // After the focus event that Qt sends for the map itself, so that the selection is what
    // assistive technology hears last.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                NotifyPlaceFocused(this);
        },
        Qt::QueuedConnection);
}

void TCustomHyperImages::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
    paintArea->update();
}
