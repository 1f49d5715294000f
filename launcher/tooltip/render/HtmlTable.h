#pragma once

#include <QRect>
#include <QSize>
#include <string_view>

#include "launcher/tooltip/core/HtmlTableGrid.h"
#include "launcher/tooltip/core/HtmlToken.h"

namespace quivlane {

class HtmlLayout;
struct TextStyle;

// Lays out one table block: in the measuring pass it records the grid, in the drawing pass
// it paints backgrounds, borders and cell contents from that record.
class HtmlTable {
  public:
    // Returns the table's width and height. With a wrap width the cells share it and wrap
    // their text within their share.
    static QSize Layout(HtmlLayout& layout, std::string_view text, const QRect& rect,
                        int wrapWidth);

    // Width of the table's drawn border on each side: three times a double border's width.
    static int BorderWidth(const TextStyle& style);
    static int CellBorderWidth(const TextStyle& style);

    // Widens the spanned columns (or rows) of cells of growing span.
    static void GrowBySpans(HtmlTableGrid& grid, bool columns);

  private:
    static void ApplyAttributes(HtmlLayout& layout, const HtmlToken& tag, bool isTable);
    static QSize Measure(HtmlLayout& layout, HtmlTableGrid& grid, const QRect& rect, int wrapWidth,
                         const struct HtmlTableMarkup& markup);
    static QSize Paint(HtmlLayout& layout, const HtmlTableGrid& grid, const QRect& rect,
                       const struct HtmlTableMarkup& markup);
};

}  // namespace quivlane
