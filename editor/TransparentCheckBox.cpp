#include "editor/TransparentCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quivlane {

TransparentCheckBox::TransparentCheckBox(QWidget* parent) : QCheckBox(parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NoSystemBackground);
}

TransparentCheckBox::~TransparentCheckBox() = default;

void TransparentCheckBox::paintEvent(QPaintEvent* /*event*/) {
    // Only the box (and its focus frame): no panel, no caption.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = option.rect.adjusted(-1, -1, 1, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace quivlane
