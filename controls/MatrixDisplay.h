#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QImage>
#include <QWidget>
#include <string>

#include "controls/MatrixText.h"

namespace quivlane {

// A one- or several-line dot-matrix LED display that can scroll its text on a timer.
// The glyph sheets hold characters 32..127; text is kept as Windows-1252 bytes.
class MatrixDisplay : public QWidget {
    Q_OBJECT

  public:
    // Width of the sunken frame around the dots on every side.
    static constexpr int kFrame = 2;

    static const QColor kDefaultOn;
    static const QColor kDefaultOff;
    static const QColor kDefaultBackground;

    explicit MatrixDisplay(QWidget* parent = nullptr);
    ~MatrixDisplay() override;

    // UTF-8 text, shown in Windows-1252; characters it cannot hold show as one unknown cell.
    void SetText(const std::string& utf8);
    // Windows-1252 bytes as they are.
    void SetTextBytes(const std::string& bytes);
    const std::string& TextBytes() const { return model_.Text(); }

    // 0 medium (14 x 20), 2 small (10 x 14), anything else large (19 x 27). Does not repaint.
    void SetFontSize(int size);
    void SetColumns(int n);
    void SetRows(int n);
    int Columns() const { return model_.Columns(); }
    int Rows() const { return model_.Rows(); }
    void SizeToColumns(int n);
    void SizeToRows(int n);
    void SetColours(const QColor& background, const QColor& on, const QColor& off);
    void SetPadding(bool enabled, char padCharacter);

    // Modes: 0 left, 1 right, and with several rows 2 up, 3 down. A running scroll keeps its
    // period and mode.
    void StartScroll(int periodMs, int mode);
    void StopScroll();
    bool IsScrolling() const { return scrolling_; }
    // One scroll step, as the timer does it.
    void ScrollStep();

    // The area inside the frame where the dots are drawn.
    QRect DotArea() const;
    MatrixText::GlyphSize Glyphs() const { return glyphs_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void PrepareSheet();

    MatrixText model_;
    MatrixText::GlyphSize glyphs_;
    int fontSize_ = -1;
    QImage sourceSheet_;
    QImage preparedSheet_;
    bool sheetDirty_ = true;
    QColor on_ = kDefaultOn;
    QColor off_ = kDefaultOff;
    QColor background_ = kDefaultBackground;
    bool scrolling_ = false;
    QBasicTimer timer_;
};

}  // namespace quivlane
