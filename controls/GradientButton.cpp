#include "controls/GradientButton.h"

#include <QAction>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace quivlane {

const QColor GradientButton::kNormalTop(255, 255, 255);
const QColor GradientButton::kNormalBottom(200, 200, 216);
const QColor GradientButton::kHoverTop(255, 255, 255);
const QColor GradientButton::kHoverBottom(220, 220, 220);

GradientButton::GradientButton(QWidget* parent) : GradientButton(QString(), parent) {}

GradientButton::GradientButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), textColour_(palette().color(QPalette::ButtonText)) {
    // Every pixel is ours; nothing of the style's own button may show through.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

GradientButton::~GradientButton() = default;

void GradientButton::SetStyle(int style) {
    style_ = style;
    hoverTracking_ = style == 2;
    if (!hoverTracking_) {
        hover_ = false;
    }
    update();
}

void GradientButton::SetTextAlign(int align) {
    textAlign_ = align;
    update();
}

void GradientButton::SetGradient(bool on) {
    gradient_ = on;
    update();
}

void GradientButton::SetTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

int GradientButton::ShowMenu(QMenu& menu) {
    repaint();
    const QAction* chosen = menu.exec(mapToGlobal(QPoint(0, height())));
    return chosen == nullptr ? 0 : chosen->data().toInt();
}

void GradientButton::FillGradient(QPainter& painter, const QRect& rect, const QColor& first,
                                  const QColor& last, bool vertical) {
    if (rect.isEmpty()) {
        return;
    }
    // From the centre of the first pixel row (or column) to the centre of the last, so that
    // both ends show their colours exactly.
    const QPointF start(rect.left() + 0.5, rect.top() + 0.5);
    const QPointF end = vertical ? QPointF(rect.left() + 0.5, rect.bottom() + 0.5)
                                 : QPointF(rect.right() + 0.5, rect.top() + 0.5);
    QLinearGradient gradient(start, end);
    gradient.setColorAt(0.0, first);
    gradient.setColorAt(1.0, last);
    painter.fillRect(rect, gradient);
}

QRect GradientButton::CaptionArea() const {
    QRect area = rect().adjusted(2, 2, -3, -3);
    if (textAlign_ == kLeft) {
        area.setLeft(5);
    }
    return area;
}

QString GradientButton::DisplayedCaption() const {
    if (textAlign_ == kNoText) {
        return {};
    }
    const QRect area = CaptionArea();
    if (area.width() <= 0) {
        return {};
    }
    if (textAlign_ == kWordWrap) {
        // Lines break between words; a word too wide for a line is cut with an ellipsis.
        QStringList words = text().split(QLatin1Char(' '));
        for (QString& word : words) {
            word =
                fontMetrics().elidedText(word, Qt::ElideRight, area.width(), Qt::TextShowMnemonic);
        }
        return words.join(QLatin1Char(' '));
    }
    return fontMetrics().elidedText(text(), Qt::ElideRight, area.width(), Qt::TextShowMnemonic);
}

void GradientButton::DrawFrame(QPainter& painter, bool pressed) const {
    const QPalette& pal = palette();
    const QRect r = rect();
    painter.fillRect(r, pal.color(QPalette::Button));
    if (r.width() < 2 || r.height() < 2) {
        return;
    }
    const int left = r.left();
    const int top = r.top();
    const int right = r.right();
    const int bottom = r.bottom();
    if (pressed) {
        painter.setPen(pal.color(QPalette::Shadow));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawLine(left + 1, top + 1, right - 1, top + 1);
        painter.drawLine(left + 1, top + 1, left + 1, bottom - 1);
        return;
    }
    painter.setPen(pal.color(QPalette::Light));
    painter.drawLine(left, top, right - 1, top);
    painter.drawLine(left, top, left, bottom - 1);
    painter.setPen(pal.color(QPalette::Shadow));
    painter.drawLine(left, bottom, right, bottom);
    painter.drawLine(right, top, right, bottom);
    painter.setPen(pal.color(QPalette::Midlight));
    painter.drawLine(left + 1, top + 1, right - 2, top + 1);
    painter.drawLine(left + 1, top + 1, left + 1, bottom - 2);
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawLine(left + 1, bottom - 1, right - 1, bottom - 1);
    painter.drawLine(right - 1, top + 1, right - 1, bottom - 1);
}

void GradientButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool pressed = isDown();
    DrawFrame(painter, pressed);

    if (gradient_) {
        const QRect face = rect().adjusted(1, 1, -2, -2);
        FillGradient(painter, face, hover_ ? kHoverTop : kNormalTop,
                     hover_ ? kHoverBottom : kNormalBottom, true);
    }

    const QString caption = DisplayedCaption();
    if (caption.isEmpty()) {
        return;
    }
    QRect area = CaptionArea();
    int flags = Qt::TextShowMnemonic;
    switch (textAlign_) {
        case kLeft:
            flags |= Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
            break;
        case kWordWrap:
            flags |= Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
            break;
        default:
            flags |= Qt::AlignCenter | Qt::TextSingleLine;
            break;
    }
    if (pressed) {
        area.translate(1, 1);
    }
    painter.setClipRect(rect().adjusted(1, 1, -2, -2));
    if (!isEnabled()) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(area.translated(1, 1), flags, caption);
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        painter.drawText(area, flags, caption);
        return;
    }
    painter.setPen(textColour_);
    painter.drawText(area, flags, caption);
}

void GradientButton::enterEvent(QEnterEvent* event) {
    if (hoverTracking_ && !hover_) {
        hover_ = true;
        update();
    }
    QPushButton::enterEvent(event);
}

void GradientButton::leaveEvent(QEvent* event) {
    if (hover_) {
        hover_ = false;
        update();
    }
    QPushButton::leaveEvent(event);
}

void GradientButton::focusInEvent(QFocusEvent* event) {
    update();
    QPushButton::focusInEvent(event);
}

void GradientButton::focusOutEvent(QFocusEvent* event) {
    update();
    QPushButton::focusOutEvent(event);
}

void GradientButton::mouseReleaseEvent(QMouseEvent* event) {
    QPushButton::mouseReleaseEvent(event);
    update();
}

}  // namespace quivlane
