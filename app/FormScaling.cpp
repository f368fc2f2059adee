#include "FormScaling.h"

#include "MulDiv.h"
#include "PageControl.h"
#include "SpinEdit.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
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

} // namespace

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
    for (QWidget* w : owners)
        setPoints(w, MulDiv(pointsOf(w), s.M, s.D));

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
