// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// The keyboard focus made plain to see: while the player works with the keyboard, a ring in the
// style's highlight colour, edged in a colour that stands apart from it, lies around the part of
// the focused control that can be seen, on any window colour. A press of a mouse button puts
// it away until the next key, so that the game played with the mouse looks as it always did.
class FocusFrame : public QObject {
    Q_OBJECT
public:
    // Watches the application's input from now on; calling it again changes nothing.
    static FocusFrame* install();
    static FocusFrame* instance();

    // Whether the focus is now shown: the last key or button pressed was a key.
    bool keyboardFocusShown() const { return byKeyboard; }
    // True while the key now being pressed is the one that brought the focus to view: it
    // should only show where the focus is, not act.
    bool keyOnlyShowsFocus() const { return keyShowedFocus; }
    // The control the ring lies around, or none.
    QWidget* ringedWidget() const;

    // Width of the ring in pixels: two on each side of the control's edge.
    static constexpr int RingWidth = 4;

signals:
    void keyboardFocusShownChanged(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FocusFrame();
    void setByKeyboard(bool keyboard);
    void follow();

    bool byKeyboard = false;
    bool keyShowedFocus = false;
    QPointer<QWidget> target;
    QPointer<QWidget> ring;
};
