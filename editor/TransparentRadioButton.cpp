#include "editor/TransparentRadioButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quivlane {

TransparentRadioButton::TransparentRadioButton(QWidget* parent) : QRadioButton(parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NoSystemBackground);
}

TransparentRadioButton::~TransparentRadioButton() = default;

void TransparentRadioButton::paintEvent(QPaintEvent* /*event*/) {
    // Only the circle: no panel, no caption.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
}

}  // namespace quivlane
