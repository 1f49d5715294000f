#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSlider>

class QStyleOptionSlider;

namespace quivlane {

// A slider whose channel lets the dialog's picture show through and whose thumb is a filled
// circle. Range, position, stepping and signals are QSlider's own.
class SkinnedSlider : public QSlider {
    Q_OBJECT

  public:
    explicit SkinnedSlider(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~SkinnedSlider() override;

    // An invalid colour means the palette's button face (normal) or light (pressed).
    void SetThumbColour(const QColor& colour) { thumbColour_ = colour; }
    void SetPressedThumbColour(const QColor& colour) { pressedThumbColour_ = colour; }
    QColor ThumbColourNow() const;

    // Where the thumb and the channel's sunken edge are drawn, in the slider's coordinates.
    QRect ThumbRect() const;
    QRect ChannelRect() const;
    // The platform's own channel before it is widened for the edge.
    QRect StyleChannelRect() const;
    // The parent's pixels under the slider as first seen; null until the first paint.
    const QImage& BackgroundCopy() const { return backgroundCopy_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void TakeBackgroundCopy();
    QStyleOptionSlider Options() const;

    QImage backgroundCopy_;
    QColor thumbColour_;
    QColor pressedThumbColour_;
};

}  // namespace quivlane
