#include "launcher/tooltip/render/HtmlTable.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>

#include "launcher/tooltip/core/HtmlTableReader.h"
#include "launcher/tooltip/render/HtmlDrawer.h"
#include "launcher/tooltip/render/HtmlLayout.h"

namespace quivlane {

namespace {

// Markup sizes are not trusted: they bound the grid and keep the sums in range.
constexpr int kMaxSpan = 100;
constexpr int kMaxColumns = 256;
constexpr int kMaxSize = 32767;

int Span(HtmlLayout& layout, const HtmlToken& tag, const char* name) {
    const std::string* value = tag.Find(name);
    if (value == nullptr) {
        return 1;
    }
    const int n = layout.Drawer().Sheet().LengthValue(*value, 1, false, layout.Lengths());
    return std::clamp(n, 1, kMaxSpan);
}

int BgEffect(const std::string& value, int current) {
    static const std::pair<const char*, int> names[] = {
        {"transparent", -1}, {"solid", 0},      {"hgradient", 1},  {"vgradient", 2},
        {"hcgradient", 3},   {"vcgradient", 4}, {"3hgradient", 5}, {"3vgradient", 6}};
    for (const auto& [name, effect] : names) {
        if (value == name) {
            return effect;
        }
    }
    if (!value.empty() && ((value[0] >= '0' && value[0] <= '9') || value[0] == '-')) {
        return static_cast<int>(std::strtol(value.c_str(), nullptr, 0));
    }
    return current;
}

int Align(const std::string& value, int current) {
    if (value == "left") {
        return TextStyle::kAlignLeft;
    }
    if (value == "center") {
        return TextStyle::kAlignCenter;
    }
    if (value == "right") {
        return TextStyle::kAlignRight;
    }
    if (value == "justify") {
        return TextStyle::kAlignJustify;
    }
    return current;
}

int VAlign(const std::string& value, int current) {
    if (value == "top") {
        return TextStyle::kVAlignTop;
    }
    if (value == "middle" || value == "vcenter") {
        return TextStyle::kVAlignVCenter;
    }
    if (value == "bottom") {
        return TextStyle::kVAlignBottom;
    }
    if (value == "baseline") {
        return TextStyle::kVAlignBaseline;
    }
    return current;
}

// Sums stay in range however many rows the markup has.
int Clamped(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, HtmlLayout::kMaxExtent));
}

int Sum(const std::vector<int>& v, int from, int count) {
    return Clamped(std::accumulate(v.begin() + from, v.begin() + from + count, std::int64_t{0}));
}

// Table, cell and row extents along one axis: (n + 1) spacings, n - 1 separating pixels.
int Extent(const std::vector<int>& sizes, int spacing, int border) {
    const std::int64_t n = static_cast<std::int64_t>(sizes.size());
    if (n == 0) {
        return Clamped(2 * static_cast<std::int64_t>(border) + spacing);
    }
    return Clamped((n + 1) * spacing + (n - 1) + Sum(sizes, 0, static_cast<int>(n)) +
                   2 * static_cast<std::int64_t>(border));
}

// Walks the markup's cells, giving each the next free slot of its row. Both passes use
// this, so the drawing pass meets the cells in the measuring pass's order.
template <typename CellFn>
void ForEachPlacedCell(const HtmlTableMarkup& markup, const HtmlTableGrid& grid, CellFn fn) {
    std::size_t n = 0;
    for (std::size_t r = 0; r < markup.rows.size(); ++r) {
        for (const HtmlCellMarkup& cell : markup.rows[r].cells) {
            if (n < grid.placements.size()) {
                fn(static_cast<int>(r), cell, grid.placements[n]);
            }
            ++n;
        }
    }
}

}  // namespace

int HtmlTable::BorderWidth(const TextStyle& style) {
    if (style.borderStyle == TextStyle::kBorderNone || style.borderWidth <= 0) {
        return 0;
    }
    if (style.borderStyle == TextStyle::kBorderDouble) {
        return 3;
    }
    return style.borderStyle == TextStyle::kBorderSolid ? std::min(style.borderWidth, kMaxSize) : 1;
}

int HtmlTable::CellBorderWidth(const TextStyle& style) {
    return style.borderStyle == TextStyle::kBorderNone || style.borderWidth <= 0 ? 0 : 1;
}

void HtmlTable::ApplyAttributes(HtmlLayout& layout, const HtmlToken& tag, bool isTable) {
    TextStyle& s = layout.Style();
    const StyleSheet& sheet = layout.Drawer().Sheet();
    const bool enabled = sheet.IsEnabled();
    const LengthContext lengths = layout.Lengths();
    s.width = 0;
    s.height = 0;
    for (const HtmlAttribute& a : tag.attributes) {
        const std::string& n = a.name;
        const std::string& v = a.value;
        if (isTable && n == "cellpadding") {
            s.cellPadding =
                std::clamp(sheet.LengthValue(v, s.cellPadding, false, lengths), 0, kMaxSize);
        } else if (isTable && n == "cellspacing") {
            s.cellSpacing =
                std::clamp(sheet.LengthValue(v, s.cellSpacing, false, lengths), 0, kMaxSize);
        } else if (isTable && n == "background") {
            if (enabled) {
                s.backgroundImage = v;
            }
        } else if (n == "border") {
            s.SetBorderWidth(
                std::clamp(sheet.LengthValue(v, s.borderWidth, false, lengths), 0, kMaxSize));
        } else if (n == "borderstyle") {
            s.SetBorderStyle(StyleSheet::BorderStyleValue(v, s.borderStyle));
        } else if (n == "bordercolor") {
            s.borderColorLight = s.borderColorDark = sheet.ColorValue(v, s.borderColorLight);
        } else if (n == "bordercolorlight") {
            s.borderColorLight = sheet.ColorValue(v, s.borderColorLight);
        } else if (n == "bordercolordark") {
            s.borderColorDark = sheet.ColorValue(v, s.borderColorDark);
        } else if (n == "bgcolor") {
            if (enabled) {
                s.backgroundColor = sheet.ColorValue(v, s.backgroundColor);
                if (s.backgroundEffect == TextStyle::kEffectTransparent) {
                    s.backgroundEffect = 0;
                }
            }
        } else if (n == "bgmidcolor") {
            if (enabled) {
                s.gradientMiddleColor = sheet.ColorValue(v, s.gradientMiddleColor);
            }
        } else if (n == "bgendcolor") {
            if (enabled) {
                s.gradientEndColor = sheet.ColorValue(v, s.gradientEndColor);
            }
        } else if (n == "bgeffect") {
            if (enabled) {
                s.backgroundEffect = BgEffect(v, s.backgroundEffect);
            }
        } else if (n == "align") {
            s.textAlign = Align(v, s.textAlign);
        } else if (n == "valign") {
            s.verticalAlign = VAlign(v, s.verticalAlign);
        } else if (n == "width") {
            s.width = std::clamp(sheet.LengthValue(v, s.width, false, lengths), 0, kMaxSize);
        } else if (n == "height") {
            s.height = std::clamp(sheet.LengthValue(v, s.height, false, lengths), 0, kMaxSize);
        }
    }
    if (!enabled) {
        s.borderColorLight = s.borderColorDark = sheet.DisabledColor();
    }
    layout.StyleChanged();
}

void HtmlTable::GrowBySpans(HtmlTableGrid& grid, bool columns) {
    std::vector<int>& sizes = columns ? grid.columnWidths : grid.rowHeights;
    const int count = columns ? grid.columns : grid.rows;
    sizes.assign(static_cast<std::size_t>(count), 0);
    if (columns) {
        grid.fixedColumns.assign(static_cast<std::size_t>(count), false);
    }
    int largest = 1;
    for (const auto& slot : grid.slots) {
        if (slot.isCell) {
            largest = std::max(largest, columns ? slot.columnSpan : slot.rowSpan);
        }
    }
    for (int span = 1; span <= largest; ++span) {
        for (int r = 0; r < grid.rows; ++r) {
            for (int c = 0; c < grid.columns; ++c) {
                const auto& slot = grid.At(r, c);
                if (!slot.isCell || (columns ? slot.columnSpan : slot.rowSpan) != span) {
                    continue;
                }
                const int first = columns ? c : r;
                const int need = columns ? slot.width : slot.height;
                if (span == 1) {
                    sizes[first] = std::max(sizes[first], need);
                    if (columns && slot.fixedWidth) {
                        grid.fixedColumns[first] = true;
                    }
                    continue;
                }
                const int have = Sum(sizes, first, span);
                if (have < need) {
                    const int shortfall = need - have;
                    for (int i = 0; i < span; ++i) {
                        sizes[first + i] += shortfall / span;
                    }
                    sizes[first] += shortfall % span;
                }
            }
        }
    }
}

QSize HtmlTable::Layout(HtmlLayout& layout, std::string_view text, const QRect& rect,
                        int wrapWidth) {
    // Deep nesting and huge grids cost memory and time out of all proportion to a tip; past
    // the limits a table is left out, in both passes alike.
    if (!layout.SpendWork(static_cast<std::int64_t>(text.size())) || !layout.EnterTable()) {
        return {};
    }
    struct Leave {
        HtmlLayout& layout;
        ~Leave() { layout.LeaveTable(); }
    } leave{layout};
    const HtmlTableMarkup markup = HtmlTableReader::Read(text);
    const int number = layout.NextTableNumber();
    const std::size_t depth = layout.StackDepth();
    layout.PushStyle("table");
    layout.ApplySheetStyle("table");
    ApplyAttributes(layout, markup.tag, true);

    QSize size;
    auto& tables = layout.Drawer().tables_;
    if (layout.Measuring()) {
        if (tables.size() <= static_cast<std::size_t>(number)) {
            tables.resize(static_cast<std::size_t>(number) + 1);
        }
        HtmlTableGrid grid;
        size = Measure(layout, grid, rect, wrapWidth, markup);
        // Nested tables were recorded meanwhile; the vector may have moved.
        layout.Drawer().tables_[static_cast<std::size_t>(number)] = std::move(grid);
    } else if (static_cast<std::size_t>(number) < tables.size()) {
        const HtmlTableGrid& grid = tables[static_cast<std::size_t>(number)];
        if (layout.SpendWork(static_cast<std::int64_t>(grid.slots.size()) *
                             static_cast<std::int64_t>(sizeof(HtmlTableGrid::Slot)))) {
            size = Paint(layout, grid, rect, markup);
        }
    }
    layout.PopTo(depth);
    return size;
}

QSize HtmlTable::Measure(HtmlLayout& layout, HtmlTableGrid& grid, const QRect& rect, int wrapWidth,
                         const HtmlTableMarkup& markup) {
    grid.rows = static_cast<int>(markup.rows.size());
    grid.columns = 0;
    for (const HtmlRowMarkup& row : markup.rows) {
        int need = 0;
        for (const HtmlCellMarkup& cell : row.cells) {
            need += Span(layout, cell.tag, "colspan");
        }
        grid.columns = std::max(grid.columns, std::min(need, kMaxColumns));
    }
    const std::int64_t slots = static_cast<std::int64_t>(grid.rows) * grid.columns;
    if (!layout.SpendWork(slots * static_cast<std::int64_t>(sizeof(HtmlTableGrid::Slot)))) {
        grid = HtmlTableGrid{};
        return {};
    }
    grid.slots.assign(static_cast<std::size_t>(slots), {});
    const TextStyle tableStyle = layout.Style();
    const int tableBorder = BorderWidth(tableStyle);
    // What the cells may share of the wrap width, apart from borders and spacing.
    const int shared =
        wrapWidth - Extent(std::vector<int>(static_cast<std::size_t>(grid.columns), 0),
                           tableStyle.cellSpacing, tableBorder);

    for (int r = 0; r < grid.rows; ++r) {
        const HtmlRowMarkup& row = markup.rows[static_cast<std::size_t>(r)];
        const std::size_t rowDepth = layout.StackDepth();
        layout.PushStyle("tr");
        layout.ApplySheetStyle("tr");
        ApplyAttributes(layout, row.tag, false);
        int c = 0;
        for (const HtmlCellMarkup& cell : row.cells) {
            while (c < grid.columns && grid.At(r, c).taken) {
                ++c;
            }
            if (c >= grid.columns) {
                grid.placements.push_back({r, -1});
                continue;
            }
            grid.placements.push_back({r, c});
            const std::size_t cellDepth = layout.StackDepth();
            layout.PushStyle("td");
            layout.ApplySheetStyle("td");
            ApplyAttributes(layout, cell.tag, false);
            const TextStyle style = layout.Style();
            const int frame = 2 * (CellBorderWidth(style) + style.cellPadding);
            const int span = std::min(Span(layout, cell.tag, "colspan"), grid.columns - c);
            int cellWrap = 0;
            if (wrapWidth > 0) {
                const std::int64_t share =
                    static_cast<std::int64_t>(std::max(0, shared)) * span / grid.columns +
                    static_cast<std::int64_t>(style.cellSpacing + 1) * (span - 1);
                cellWrap = static_cast<int>(std::clamp<std::int64_t>(share - frame, 1, kMaxSize));
            }
            const QSize content = layout.LayoutBlocks(
                cell.content, QRect(rect.left(), rect.top(), cellWrap, 0), cellWrap);
            layout.PopTo(cellDepth);

            auto& slot = grid.At(r, c);
            slot.isCell = true;
            slot.wrapWidth = cellWrap;
            slot.columnSpan = span;
            slot.rowSpan = std::min(Span(layout, cell.tag, "rowspan"), grid.rows - r);
            slot.width = std::min(std::max(content.width(), style.width) + frame, kMaxSize);
            slot.height = std::min(std::max(content.height(), style.height) + frame, kMaxSize);
            slot.contentHeight = content.height();
            slot.fixedWidth = cell.tag.Find("width") != nullptr;
            for (int rr = r; rr < r + slot.rowSpan; ++rr) {
                for (int cc = c; cc < c + slot.columnSpan; ++cc) {
                    grid.At(rr, cc).taken = true;
                }
            }
            c += slot.columnSpan;
        }
        layout.PopTo(rowDepth);
    }
    GrowBySpans(grid, true);
    GrowBySpans(grid, false);

    return QSize(std::clamp(Extent(grid.columnWidths, tableStyle.cellSpacing, tableBorder), 0,
                            HtmlLayout::kMaxExtent),
                 std::clamp(Extent(grid.rowHeights, tableStyle.cellSpacing, tableBorder), 0,
                            HtmlLayout::kMaxExtent));
}

QSize HtmlTable::Paint(HtmlLayout& layout, const HtmlTableGrid& measured, const QRect& rect,
                       const HtmlTableMarkup& markup) {
    HtmlTableGrid grid = measured;
    const TextStyle table = layout.Style();
    const bool enabled = layout.Drawer().Sheet().IsEnabled();
    const int spacing = table.cellSpacing;
    const int b = BorderWidth(table);
    int width = Extent(grid.columnWidths, spacing, b);
    const int height = Extent(grid.rowHeights, spacing, b);

    int left = rect.left();
    if (width < rect.width()) {
        int spare = rect.width() - width;
        int loose =
            static_cast<int>(std::count(grid.fixedColumns.begin(), grid.fixedColumns.end(), false));
        for (int c = 0; c < grid.columns && loose > 0; ++c) {
            if (grid.fixedColumns[static_cast<std::size_t>(c)]) {
                continue;
            }
            const int add = spare / loose;
            grid.columnWidths[static_cast<std::size_t>(c)] += add;
            spare -= add;
            --loose;
        }
        width = Extent(grid.columnWidths, spacing, b);
        if (width < rect.width()) {
            if (table.textAlign == TextStyle::kAlignCenter) {
                left += (rect.width() - width) / 2;
            } else if (table.textAlign == TextStyle::kAlignRight) {
                left += rect.width() - width;
            }
        }
    }
    const QRect box(left, rect.top(), width, height);

    DrawManager& draw = layout.Draw();
    if (table.backgroundEffect != TextStyle::kEffectTransparent) {
        draw.FillEffect(layout.Dc(), table.backgroundEffect, box, table.backgroundColor,
                        table.gradientMiddleColor, table.gradientEndColor);
    } else if (table.backgroundImage.size() > 5 && enabled) {
        const std::string& source = table.backgroundImage;
        const std::size_t colon = source.find(':');
        const std::string kind = source.substr(0, colon);
        const std::string value =
            colon == std::string::npos ? std::string() : source.substr(colon + 1);
        const HtmlResourceResolver& resolver = *layout.Drawer().resolver_;
        QImage tile;
        if (kind == "idres") {
            tile = resolver.Bitmap(static_cast<int>(std::strtol(value.c_str(), nullptr, 0)));
        } else if (kind == "file") {
            tile = resolver.File(value);
        }
        if (!tile.isNull()) {
            draw.TileBlit(layout.Dc(), box.left(), box.top(), box.width(), box.height(), tile, 0, 0,
                          tile.width(), tile.height());
        }
    }
    if (b > 0) {
        draw.DrawRectBorder(layout.Dc(), box, table.borderColorLight, table.borderColorDark,
                            table.borderStyle,
                            table.borderStyle == TextStyle::kBorderSolid ? b : 1);
    }
    const QRect inner = box.adjusted(b, b, -b, -b);

    std::vector<int> colStart(static_cast<std::size_t>(grid.columns), 0);
    for (int c = 0, x = inner.left() + spacing; c < grid.columns; ++c) {
        colStart[static_cast<std::size_t>(c)] = x;
        x = std::min(HtmlLayout::kMaxExtent,
                     x + spacing + grid.columnWidths[static_cast<std::size_t>(c)] + 1);
    }
    std::vector<int> rowStart(static_cast<std::size_t>(grid.rows), 0);
    for (int r = 0, y = inner.top() + spacing; r < grid.rows; ++r) {
        rowStart[static_cast<std::size_t>(r)] = y;
        y = std::min(HtmlLayout::kMaxExtent,
                     y + spacing + grid.rowHeights[static_cast<std::size_t>(r)] + 1);
    }

    int currentRow = -1;
    std::size_t rowDepth = layout.StackDepth();
    ForEachPlacedCell(
        markup, grid,
        [&](int r, const HtmlCellMarkup& cell, const HtmlTableGrid::Placement& place) {
            if (r != currentRow) {
                layout.PopTo(rowDepth);
                currentRow = r;
                rowDepth = layout.StackDepth();
                layout.PushStyle("tr");
                layout.ApplySheetStyle("tr");
                ApplyAttributes(layout, markup.rows[static_cast<std::size_t>(r)].tag, false);
            }
            if (place.column < 0) {
                return;
            }
            const auto& slot = grid.At(place.row, place.column);
            const std::size_t cellDepth = layout.StackDepth();
            layout.PushStyle("td");
            layout.ApplySheetStyle("td");
            ApplyAttributes(layout, cell.tag, false);
            const TextStyle style = layout.Style();

            const int cellWidth = Sum(grid.columnWidths, place.column, slot.columnSpan) +
                                  (spacing + 1) * (slot.columnSpan - 1);
            const int cellHeight =
                Sum(grid.rowHeights, place.row, slot.rowSpan) + (spacing + 1) * (slot.rowSpan - 1);
            const QRect cellBox(colStart[static_cast<std::size_t>(place.column)],
                                rowStart[static_cast<std::size_t>(place.row)], cellWidth,
                                cellHeight);
            if (style.backgroundEffect != TextStyle::kEffectTransparent) {
                draw.FillEffect(layout.Dc(), style.backgroundEffect, cellBox, style.backgroundColor,
                                style.gradientMiddleColor, style.gradientEndColor);
            }
            const int cb = CellBorderWidth(style);
            if (cb > 0) {
                // Cells look sunken: dark above and left, light below and right.
                draw.DrawRectBorder(layout.Dc(), cellBox, style.borderColorDark,
                                    style.borderColorLight, style.borderStyle, 1);
            }
            QRect content = cellBox.adjusted(cb + style.cellPadding, cb + style.cellPadding,
                                             -(cb + style.cellPadding), -(cb + style.cellPadding));
            if (style.verticalAlign == TextStyle::kVAlignVCenter) {
                content.translate(0, (content.height() - slot.contentHeight) / 2);
            } else if (style.verticalAlign == TextStyle::kVAlignBottom) {
                content.translate(0, content.height() - slot.contentHeight);
            }
            layout.LayoutBlocks(cell.content, content, slot.wrapWidth);
            layout.PopTo(cellDepth);
        });
    layout.PopTo(rowDepth);
    return QSize(width, height);
}

}  // namespace quivlane
