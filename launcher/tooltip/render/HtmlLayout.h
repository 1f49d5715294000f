#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/tooltip/core/HtmlToken.h"
#include "launcher/tooltip/core/LengthContext.h"
#include "launcher/tooltip/core/TextStyle.h"
#include "launcher/tooltip/render/DrawManager.h"
#include "launcher/tooltip/render/HtmlFontCache.h"

namespace quivlane {

class HtmlDrawer;

// One pass over the drawer's working text: measuring (records lines, tables, animations)
// or drawing (reads them back, paints, records link areas). Both passes run the same code
// so that they break lines at the same points.
class HtmlLayout {
  public:
    // Without a target this is the measuring pass: it only reads the device's resolution.
    HtmlLayout(HtmlDrawer& drawer, const QImage& device, QImage* target);
    HtmlLayout(const HtmlLayout&) = delete;
    HtmlLayout& operator=(const HtmlLayout&) = delete;
    ~HtmlLayout();

    // The whole text: style reset, "body" applied, blocks one below the other.
    QSize Run(std::string_view text, const QRect& rect);

    // Flow blocks and tables one below the other; the widest by the summed heights. Flow
    // text wraps at wrapWidth (0: never).
    QSize LayoutBlocks(std::string_view text, const QRect& rect, int wrapWidth);

    // What one tip may cost a pass, whatever its markup: bytes of text and table grids laid
    // out, and bytes of pictures decoded and scaled. Both passes spend alike, so they drop
    // the same parts once a budget is spent.
    static constexpr std::int64_t kWorkBudget = 64 << 20;
    static constexpr std::int64_t kImageBudget = 64 << 20;
    static constexpr int kMaxTableDepth = 16;
    // Positions and sizes stay below this, however the parts add up.
    static constexpr int kMaxExtent = 1 << 24;
    bool SpendWork(std::int64_t bytes);
    // Table nesting; false when too deep, and then nothing is entered.
    bool EnterTable();
    void LeaveTable() { --tableDepth_; }

    bool Measuring() const { return measuring_; }
    HtmlDrawer& Drawer() { return drawer_; }
    TextStyle& Style() { return style_; }
    LengthContext Lengths() const { return metrics_.lengths; }

    // Saves the style under a label; PopTo restores the level a depth mark was taken at.
    void PushStyle(const std::string& label);
    void PopStyle(const std::string& label);
    std::size_t StackDepth() const { return stack_.size(); }
    void PopTo(std::size_t depth);
    void ApplySheetStyle(std::string_view selector);
    // Re-creates the font from the style after any change.
    void StyleChanged();

    // The image for DrawManager work; ends any painting on it first.
    QImage& Dc();
    DrawManager& Draw() { return draw_; }
    int NextTableNumber() { return tableCounter_++; }

  private:
    struct Level {
        std::string label;
        TextStyle style;
        int linkIndex;
        bool closed;  // its closing tag came while a later level was open
    };
    struct Line;

    QSize LayoutFlow(std::string_view text, const QRect& rect, int wrapWidth);
    QPainter& Painter();
    void EndPainter();

    // Flow steps.
    void HandleTag(Line& line, const HtmlToken& tag);
    void ApplyFontTag(const HtmlToken& tag);
    void OpenLink(const HtmlToken& tag);
    void PlaceText(Line& line, const QString& text, bool wrap);
    void EmitRun(Line& line, const QString& text);
    void PlaceRule(Line& line, const HtmlToken& tag);
    void PlaceImage(Line& line, const HtmlToken& tag, int code);
    void PlaceTab(Line& line, int count);
    void StartLine(Line& line);
    void EndLine(Line& line, bool wrapped, int count);
    void RecordLink(const QRect& area);

    HtmlDrawer& drawer_;
    QImage* target_ = nullptr;  // drawing pass only
    const QImage& device_;
    bool measuring_;
    DrawManager draw_;
    std::optional<QPainter> painter_;

    TextStyle style_;
    HtmlFont metrics_;
    std::vector<Level> stack_;
    int linkIndex_ = -1;
    int linkCounter_ = 0;
    int tableCounter_ = 0;
    std::size_t lineCursor_ = 0;
    std::size_t animationCursor_ = 0;
    std::int64_t workLeft_ = kWorkBudget;
    std::int64_t imageLeft_ = kImageBudget;
    int tableDepth_ = 0;
};

}  // namespace quivlane
