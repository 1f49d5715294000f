#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>

class QMenu;
class QPainter;

namespace quivlane {

// The push button of both programs: a raised frame with a light vertical gradient, a centred
// caption in a chosen colour, and another gradient while the pointer is over it.
class GradientButton : public QPushButton {
    Q_OBJECT

  public:
    enum TextAlign { kNoText = 0, kLeft = 1, kCentred = 2, kWordWrap = 3 };

    // Face colours, top and bottom.
    static const QColor kNormalTop;
    static const QColor kNormalBottom;
    static const QColor kHoverTop;
    static const QColor kHoverBottom;

    explicit GradientButton(QWidget* parent = nullptr);
    explicit GradientButton(const QString& caption, QWidget* parent = nullptr);
    ~GradientButton() override;

    // Style 2 follows the pointer (hover colours); the programs use nothing else.
    void SetStyle(int style);
    int Style() const { return style_; }
    void SetTextAlign(int align);
    int TextAlignMode() const { return textAlign_; }
    void SetGradient(bool on);
    bool Gradient() const { return gradient_; }
    void SetTextColour(const QColor& colour);
    QColor TextColour() const { return textColour_; }
    bool IsHovered() const { return hover_; }

    // The menu opens below the button with its top-left at the button's lower-left corner;
    // returns the chosen action's data as an int (the command id), 0 when nothing is chosen.
    int ShowMenu(QMenu& menu);

    // The caption as drawn: elided when it does not fit.
    QString DisplayedCaption() const;

    // Vertical (top to bottom) or horizontal (left to right) blend, exact at both ends.
    static void FillGradient(QPainter& painter, const QRect& rect, const QColor& first,
                             const QColor& last, bool vertical);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QRect CaptionArea() const;
    void DrawFrame(QPainter& painter, bool pressed) const;

    int style_ = 1;
    bool hoverTracking_ = false;
    bool gradient_ = false;
    int textAlign_ = kCentred;
    QColor textColour_;
    bool hover_ = false;
};

}  // namespace quivlane
