// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormScaling.h"

#include "MulDiv.h"
#include "PageControl.h"
#include "ScreenSize.h"
#include "SpinEdit.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <cmath>

namespace {

const char* const PointsProperty = "terravaFontPoints";
const char* const EntryMarginProperty = "terravaEntryMargin";

int pointsOf(const QWidget* widget) {
    const QVariant points = widget->property(PointsProperty);
    return points.isValid() ? points.toInt() : widget->font().pointSize();
}

void setPoints(QWidget* widget, int points) {
    widget->setProperty(PointsProperty, points);
    QFont font = widget->font();
    font.setPixelSize(std::max(1, MulDiv(points, 96, 72)));
    widget->setFont(font);
}

template <typename F> void forEachControl(QWidget* root, F f) {
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (child->isWindow())
            continue; // message boxes and dialogs parented to the window are not its controls
        f(child);
    }
}

bool isSingleLineEntry(const QWidget* w) {
    // A spin box's own editor follows its box, which is sized as an entry itself.
    return qobject_cast<const QLineEdit*>(w) && !w->parentWidget()->inherits("QAbstractSpinBox");
}

// The page control a page belongs to, or none when the widget is no page.
const TPageControl* pageControlOf(const QWidget* w) {
    const QWidget* stack = w->parentWidget();
    if (!stack || !qobject_cast<const QStackedWidget*>(stack))
        return nullptr;
    return qobject_cast<const TPageControl*>(stack->parentWidget());
}

bool insideTabBar(const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (qobject_cast<const QTabBar*>(w))
            return true;
    return false;
}

// The part of a control its parents show, in the window's client coordinates. Pages are
// placed where their page control's style puts them, also before it has ever been shown.
QRect visibleInForm(const QWidget* w, const QWidget* form) {
    QRect r = w->rect();
    for (const QWidget* at = w; at != form;) {
        if (const TPageControl* pages = pageControlOf(at)) {
            const QRect area = pages->pageArea();
            r = r.translated(area.topLeft()) & area;
            at = pages;
        } else {
            // A page that has never been shown has no size yet: it takes its page area's.
            const QWidget* parent = at->parentWidget();
            const TPageControl* owner = pageControlOf(parent);
            r = r.translated(at->pos()) &
                (owner ? QRect(QPoint(0, 0), owner->pageArea().size()) : parent->rect());
            at = parent;
        }
    }
    return r;
}

// A list's rows keep their margin around the text when the font changes.
struct ListRows {
    QListWidget* list;
    int margin;
};

QList<ListRows> rowMargins(QWidget* form) {
    QList<ListRows> rows;
    for (QListWidget* list : form->findChildren<QListWidget*>()) {
        if (list->count() > 0 && list->item(0)->sizeHint().height() > 0)
            rows.append(
                {list, list->item(0)->sizeHint().height() - QFontMetrics(list->font()).height()});
    }
    return rows;
}

// The indicators of check boxes and radio buttons are drawn at the style's own size, whatever
// the font; this style scales them. The window owns it, so it outlives the controls using it.
class ScaledIndicatorStyle final : public QProxyStyle {
public:
    ScaledIndicatorStyle(const ScreenScale& scale, QObject* owner) : scale(scale) {
        setParent(owner);
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return MulDiv(value, scale.M, scale.D);
        default:
            return value;
        }
    }

private:
    ScreenScale scale;
};

// Check boxes and radio groups take the scaling style; a radio group hands it on to the
// buttons it will hold.
void scaleIndicators(QWidget* form, const ScreenScale& s) {
    auto* style = new ScaledIndicatorStyle(s, form);
    forEachControl(form, [style](QWidget* w) {
        if (qobject_cast<QCheckBox*>(w) || qobject_cast<QGroupBox*>(w) ||
            qobject_cast<QRadioButton*>(w))
            w->setStyle(style);
    });
}

} // namespace

QRect VisibleLayoutExtent(const QWidget* form) {
    QRect extent;
    for (const QWidget* w : form->findChildren<QWidget*>()) {
        if (w->isWindow() || insideTabBar(w))
            continue; // the tabs sit at the top left, inside what the pages take anyway
        if (qobject_cast<const TPageControl*>(w) || pageControlOf(w) ||
            qobject_cast<const QStackedWidget*>(w))
            continue; // the page control and its pages are the window's background
        extent |= visibleInForm(w, form);
    }
    return extent;
}

ScreenScale FitScale(const ScreenScale& scale, const QRect& extent, const QSize& area,
                     const QMargins& frame) {
    // The window's client area starts at its top-left corner: what counts is how far the
    // controls reach from there.
    const int reachX = extent.x() + extent.width();
    const int reachY = extent.y() + extent.height();
    auto fits = [&](std::int32_t m) {
        return MulDiv(reachX, m, scale.D) + frame.left() + frame.right() <= area.width() &&
               MulDiv(reachY, m, scale.D) + frame.top() + frame.bottom() <= area.height();
    };
    ScreenScale fitted = scale;
    while (fitted.M > 1 && !fits(fitted.M))
        --fitted.M;
    return fitted;
}

ScreenScale ScaleForPrimaryScreen(const QWidget* form) {
    const QSize screen = PrimaryScreenSize();
    return FitScale(ScaleForScreen(screen.width(), screen.height()), VisibleLayoutExtent(form),
                    PrimaryScreenAvailableGeometry().size(), WindowFrameAllowance);
}

ScreenScale ScaleForScreen(std::int32_t width, std::int32_t height) {
    // The pixel count is formed in 32 bits, as the layout arithmetic always has.
    const std::int32_t pixels = std::int32_t(std::uint32_t(width) * std::uint32_t(height));
    ScreenScale s;
    s.M = std::int32_t(std::llround(std::sqrt((long double)pixels)));
    s.D = std::int32_t(std::llround(std::sqrt(480000.0L)));
    return s;
}

QRect ScaleRect(const QRect& r, const ScreenScale& s) {
    const int left = MulDiv(r.x(), s.M, s.D);
    const int top = MulDiv(r.y(), s.M, s.D);
    const int right = MulDiv(r.x() + r.width(), s.M, s.D);
    const int bottom = MulDiv(r.y() + r.height(), s.M, s.D);
    return QRect(left, top, right - left, bottom - top);
}

void UsePixelFonts(QWidget* form) {
    setPoints(form, form->font().pointSize() > 0 ? form->font().pointSize() : 8);
    forEachControl(form, [](QWidget* w) {
        if (w->testAttribute(Qt::WA_SetFont) && w->font().pointSize() > 0)
            setPoints(w, w->font().pointSize());
    });
    // Controls without a font of their own follow the window's again.
    forEachControl(form, [](QWidget* w) {
        if (auto* label = qobject_cast<QLabel*>(w))
            label->adjustSize();
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
            spin->setProperty(EntryMarginProperty,
                              spin->height() - QFontMetrics(spin->font()).height());
    });
}

void ScaleForm(QWidget* form, const ScreenScale& s) {
    if (s.M == s.D)
        return;
    const QPoint topLeft = form->pos();
    // Own fonts first, so that labels and entries size themselves to the scaled fonts.
    QList<QWidget*> owners{form};
    forEachControl(form, [&](QWidget* w) {
        if (w->property(PointsProperty).isValid())
            owners << w;
    });
    const QList<ListRows> lists = rowMargins(form);
    for (QWidget* w : owners)
        setPoints(w, MulDiv(pointsOf(w), s.M, s.D));
    for (const ListRows& rows : lists) {
        const int height = QFontMetrics(rows.list->font()).height() + rows.margin;
        for (int i = 0; i < rows.list->count(); ++i)
            rows.list->item(i)->setSizeHint(QSize(0, height));
    }
    scaleIndicators(form, s);

    forEachControl(form, [&](QWidget* w) {
        if (w->parentWidget() && w->parentWidget()->inherits("QStackedWidget"))
            return; // tab pages fill their page control
        if (w->parentWidget() && w->parentWidget()->inherits("QAbstractSpinBox"))
            return; // the entry's own editor follows it
        if (w->inherits("QTabBar") || w->inherits("QStackedWidget"))
            return;
        w->setGeometry(ScaleRect(w->geometry(), s));
        if (auto* label = qobject_cast<QLabel*>(w))
            label->adjustSize();
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
            const int margin = spin->property(EntryMarginProperty).toInt();
            spin->resize(spin->width(), QFontMetrics(spin->font()).height() + margin);
        }
        if (isSingleLineEntry(w))
            w->resize(w->width(), QFontMetrics(w->font()).height() + 8);
        if (auto* pages = qobject_cast<TPageControl*>(w))
            pages->setTabSize(MulDiv(150, s.M, s.D), MulDiv(30, s.M, s.D));
    });
    form->resize(MulDiv(form->width(), s.M, s.D), MulDiv(form->height(), s.M, s.D));
    form->move(topLeft);
}
