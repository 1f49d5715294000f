#pragma once

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <memory>
#include <optional>
#include <string>

namespace quivlane {

// Base of every dialog of both programs: a background picture painted at the top-left, either
// a colour key that cuts the picture's outline out of the window or a whole-window alpha, and
// dragging by any free spot.
class SkinnedDialog : public QDialog {
    Q_OBJECT

  public:
    explicit SkinnedDialog(QWidget* parent = nullptr);
    ~SkinnedDialog() override;

    // A Qt resource path such as resources::kBar; false (and no picture) when it cannot load.
    bool SetBackgroundFromResource(const std::string& resourcePath);
    // A picture file (BMP, PNG, ...); false (and no picture) when it cannot load.
    bool SetBackgroundFromFile(const std::string& path);

    // Below 255: the whole window at this opacity; 255: opaque. Drops any colour key.
    bool SetWindowAlpha(int alpha);
    // Pixels of the picture of exactly this colour become holes in the window. Drops any
    // window alpha.
    bool SetColourKey(const QColor& colour);

    bool HasBackground() const { return !background_.isNull(); }
    QSize BackgroundSize() const { return background_.size(); }
    const QImage& Background() const { return background_; }
    std::optional<QColor> ColourKey() const { return colourKey_; }
    void SetMoveByBackground(bool on) { moveByBackground_ = on; }

    // A rectangle given in dialog units, in pixels.
    static QRect DialogUnitsToPixels(int x, int y, int width, int height);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool AdoptBackground(QImage picture);
    void ApplyColourKeyMask();
    void CheckPlaceOnceShown();

    QImage background_;
    std::optional<QColor> colourKey_;
    bool moveByBackground_ = true;
    // Set while the window is moved by hand because the window system would not move it.
    std::optional<QPoint> dragOffset_;
    // Where the window was asked to appear, checked against the server once it is on screen.
    std::optional<QPoint> placeAsked_;
    std::unique_ptr<QObject> exposeWatch_;
};

}  // namespace quivlane
