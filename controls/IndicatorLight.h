#pragma once

#include <QImage>
#include <QWidget>

namespace quivlane {

// A 16 x 16 lamp drawn from the lamp sheet: columns 0 bright, 1 dark, 2 grey; rows (in pixels)
// 0 red, 16 green, 32 yellow, 48 blue round lamps, then the square ones from 64. Magenta in
// the sheet lets the background show through.
class IndicatorLight : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kCell = 16;

    explicit IndicatorLight(QWidget* parent = nullptr);
    ~IndicatorLight() override;

    // row and extra are pixel offsets into the sheet, column a cell index. Redraws at once.
    void SetLight(int row, int column, int extra);
    int Row() const { return row_; }
    int Column() const { return column_; }
    int Extra() const { return extra_; }

    // Where the lamp is drawn in the widget.
    QRect LampRect() const;

    QSize sizeHint() const override { return {kCell, kCell}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage sheet_;
    int row_ = 0;
    int column_ = 1;
    int extra_ = 0;
};

}  // namespace quivlane
