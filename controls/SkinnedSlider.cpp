#include "controls/SkinnedSlider.h"

#include <qdrawutil.h>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>

namespace quivlane {

SkinnedSlider::SkinnedSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent) {
    setTickPosition(QSlider::NoTicks);
    // Every pixel is ours: the copy of the parent first, then the edge and the thumb.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SkinnedSlider::~SkinnedSlider() = default;

QStyleOptionSlider SkinnedSlider::Options() const {
    QStyleOptionSlider options;
    initStyleOption(&options);
    return options;
}

QColor SkinnedSlider::ThumbColourNow() const {
    if (isSliderDown()) {
        return pressedThumbColour_.isValid() ? pressedThumbColour_
                                             : palette().color(QPalette::Light);
    }
    return thumbColour_.isValid() ? thumbColour_ : palette().color(QPalette::Button);
}

QRect SkinnedSlider::ThumbRect() const {
    const QStyleOptionSlider options = Options();
    return style()->subControlRect(QStyle::CC_Slider, &options, QStyle::SC_SliderHandle, this);
}

QRect SkinnedSlider::StyleChannelRect() const {
    const QStyleOptionSlider options = Options();
    return style()->subControlRect(QStyle::CC_Slider, &options, QStyle::SC_SliderGroove, this);
}

QRect SkinnedSlider::ChannelRect() const {
    // The sunken edge needs room beside the thin channel the style gives.
    const QRect channel = StyleChannelRect();
    if (width() >= height()) {
        return channel.adjusted(0, -2, 0, 2);
    }
    return channel.adjusted(-1, 0, 1, 0);
}

void SkinnedSlider::TakeBackgroundCopy() {
    backgroundCopy_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    backgroundCopy_.fill(palette().color(QPalette::Window));
    QWidget* parent = parentWidget();
    if (parent == nullptr) {
        return;
    }
    // Only the parent's own drawing: its other children are not part of the picture.
    parent->render(&backgroundCopy_, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
}

void SkinnedSlider::paintEvent(QPaintEvent* /*event*/) {
    // Taken once: what shows through stays what the parent showed at the first paint.
    if (backgroundCopy_.isNull()) {
        TakeBackgroundCopy();
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), backgroundCopy_);
    qDrawWinPanel(&painter, ChannelRect(), palette(), true);

    // The channel and thumb are ours, but the user must still see which slider the keys move.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(ThumbColourNow());
    painter.drawEllipse(ThumbRect().adjusted(0, 0, -1, -1));
}

}  // namespace quivlane
