// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusFrame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace {

FocusFrame* theFrame = nullptr;

// The ring itself: a window's topmost child, masked to the ring so that it covers nothing
// else, and never in the way of the mouse.
class FocusRing final : public QWidget {
public:
    explicit FocusRing(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("qt_terrava_focus_ring"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
        // An edge of black or white, whichever stands apart from the highlight, keeps the ring
        // plain on a window of the highlight's own colour as well.
        const QColor edge = highlight.lightness() > 128 ? Qt::black : Qt::white;
        const int w = FocusFrame::RingWidth;
        painter.fillRect(rect(), edge);
        painter.fillRect(rect().adjusted(1, 1, -1, -1), highlight);
        painter.fillRect(rect().adjusted(w - 1, w - 1, 1 - w, 1 - w), edge);
    }
};

// The part of w that its ancestors let be seen, in the window's coordinates.
QRect seenRect(const QWidget* w) {
    QRect seen(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        seen &= QRect(p->mapTo(p->window(), QPoint(0, 0)), p->size());
    return seen;
}

} // namespace

FocusFrame::FocusFrame() : QObject(qApp) {}

FocusFrame* FocusFrame::install() {
    if (!theFrame && qApp) {
        theFrame = new FocusFrame;
        qApp->installEventFilter(theFrame);
        connect(theFrame, &QObject::destroyed, [] { theFrame = nullptr; });
    }
    return theFrame;
}

FocusFrame* FocusFrame::instance() {
    return theFrame;
}

QWidget* FocusFrame::ringedWidget() const {
    return ring && ring->isVisible() ? target.data() : nullptr;
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        keyShowedFocus = !byKeyboard;
        setByKeyboard(true);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        setByKeyboard(false);
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        follow();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (watched == target)
            follow();
        break;
    default:
        break;
    }
    return false;
}

void FocusFrame::setByKeyboard(bool keyboard) {
    if (keyboard == byKeyboard)
        return;
    byKeyboard = keyboard;
    follow();
    emit keyboardFocusShownChanged(byKeyboard);
}

void FocusFrame::follow() {
    QWidget* focus = byKeyboard ? QApplication::focusWidget() : nullptr;
    target = focus;
    if (!focus || !focus->isVisible() || focus->isWindow()) {
        if (ring)
            ring->hide();
        return;
    }
    QWidget* window = focus->window();
    if (!ring || ring->parentWidget() != window) {
        delete ring;
        ring = new FocusRing(window);
    }
    const int half = RingWidth / 2;
    const QRect around = seenRect(focus).adjusted(-half, -half, half, half) & window->rect();
    if (around.width() <= 2 * RingWidth || around.height() <= 2 * RingWidth) {
        ring->hide();
        return;
    }
    ring->setGeometry(around);
    const QRect inside = ring->rect().adjusted(RingWidth, RingWidth, -RingWidth, -RingWidth);
    ring->setMask(QRegion(ring->rect()) - QRegion(inside));
    ring->raise();
    ring->show();
    ring->update();
}
