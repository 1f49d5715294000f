#pragma once

#include <string>
#include <vector>

namespace quivlane {

// The window-free rules of the dot-matrix display: text bytes, rows and columns, padding,
// the scroll steps, and which glyph cell each byte takes.
class MatrixText {
  public:
    struct GlyphSize {
        int cellWidth = 0;
        int cellHeight = 0;
        int spacingX = 0;
        int spacingY = 0;
        int Pitch() const { return cellWidth + spacingX; }
        int LinePitch() const { return cellHeight + spacingY; }
    };

    struct Point {
        int x = 0;
        int y = 0;
        bool operator==(const Point&) const = default;
    };

    // One byte of text placed in the character grid.
    struct Placement {
        unsigned char byte = 0;
        int column = 0;
        int line = 0;
        bool operator==(const Placement&) const = default;
    };

    // Sizes 0 and 2 as named, every other value the large glyphs.
    static GlyphSize GlyphSizeFor(int size);

    // Top-left of the glyph cell of a byte in the glyph sheet (32 cells by 3 rows, characters
    // 32..127). Bytes the sheet does not hold take an accent-free stand-in when there is one,
    // else the unknown box (127).
    static Point CellOrigin(unsigned char byte, const GlyphSize& size);
    static unsigned char GlyphFor(unsigned char byte);

    // True when the text changed (the display then repaints).
    bool SetText(const std::string& bytes);
    void SetColumns(int n);
    void SetRows(int n);
    void SetPadding(bool enabled, char padCharacter);
    void SetMode(int mode) { mode_ = mode; }

    // One timer step; true when the display is to repaint.
    bool ScrollStep();

    // The bytes drawn, in drawing order, with their grid positions.
    std::vector<Placement> Layout() const;

    const std::string& Text() const { return text_; }
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    int Mode() const { return mode_; }
    bool Padding() const { return padding_; }
    char PadCharacter() const { return padCharacter_; }
    bool Changed() const { return changed_; }
    void ClearChanged() { changed_ = false; }

  private:
    void Pad(std::size_t length);

    std::string text_;
    bool changed_ = false;
    bool padding_ = false;
    char padCharacter_ = ' ';
    int rows_ = 0;
    int columns_ = 0;
    int mode_ = 0;
};

}  // namespace quivlane
