#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Rgb.h"
#include "launcher/tooltip/core/HtmlAnimation.h"
#include "launcher/tooltip/core/HtmlLineRecord.h"
#include "launcher/tooltip/core/HtmlTableGrid.h"
#include "launcher/tooltip/core/StyleSheet.h"
#include "launcher/tooltip/render/HtmlFontCache.h"
#include "launcher/tooltip/render/HtmlLinkArea.h"
#include "launcher/tooltip/render/HtmlResourceResolver.h"

namespace quivlane {

class Shell;

// Measures and paints a short HTML-like text (tooltip comments) on an image: a measuring
// pass that records lines, tables and animations, and a drawing pass into a rectangle.
// The image must not have an active QPainter during either call. Needs a QGuiApplication:
// the system colour names are read from its palette.
class HtmlDrawer {
  public:
    explicit HtmlDrawer(Shell& shell);
    ~HtmlDrawer();
    HtmlDrawer(const HtmlDrawer&) = delete;
    HtmlDrawer& operator=(const HtmlDrawer&) = delete;

    // Size of the block plus 1 in each direction; 1 by 1 (and no stored text) when empty.
    // The image only lends its resolution to the measuring pass.
    QSize PrepareDrawing(const QImage& dc, const std::string& text);
    void DrawPreparedHtml(QImage& dc, const QRect& rect);

    void SetMaxWidth(int pixels);  // 0: no wrapping
    void SetLineBreaks(bool on);
    void SetImageShadow(int offsetX, int offsetY, int darkenPercent, bool gradient, int depthX,
                        int depthY);
    void SetEnabled(bool enabled);
    void SetDisabledColor(Rgb color);
    // nullopt loads the default sheet.
    void SetStyleSheet(const std::optional<std::string>& text);

    // Hovered link changed: the new link index, or -2 for none. Empty function: off.
    void SetHoverNotify(std::function<void(int)> notify);
    // A msg link was clicked: its target. Empty function: off.
    void SetMessageNotify(std::function<void(const std::string&)> notify);
    // nullopt goes back to the default link cursor.
    void SetLinkCursor(const std::optional<QCursor>& cursor);
    const QCursor& LinkCursor() const { return linkCursor_; }

    void SetResourceResolver(std::shared_ptr<const HtmlResourceResolver> resolver);

    // Link index of the first link area holding the point (edges included), or -1.
    int HitLink(const QPoint& point) const;
    // True when the point is over a link with a target: the owner shows LinkCursor().
    bool OnMouseMove(const QPoint& point);
    void OnClick(const QPoint& point);
    // One tick for every animated strip; true when some strip shows another frame.
    bool AdvanceAnimations();

    // What the last passes recorded; for the owner's hit tests and for inspection.
    const std::vector<HtmlLineRecord>& LineRecords() const { return lines_; }
    const std::vector<HtmlLinkArea>& LinkAreas() const { return linkAreas_; }
    const std::vector<HtmlTableGrid>& TableGrids() const { return tables_; }
    const std::vector<HtmlAnimation>& Animations() const { return animations_; }
    int HoveredLink() const { return hoveredLink_; }
    const StyleSheet& Sheet() const { return sheet_; }
    const std::string& Text() const { return text_; }

  private:
    friend class HtmlLayout;
    friend class HtmlTable;

    Shell& shell_;
    std::shared_ptr<const HtmlResourceResolver> resolver_;
    StyleSheet sheet_;
    HtmlFontCache fonts_;

    std::string text_;
    std::string working_;
    bool lineBreaks_ = true;
    int maxWidth_ = 0;
    int tabWidth_ = 32;
    int shadowOffsetX_ = 4;
    int shadowOffsetY_ = 4;
    int shadowPercent_ = 50;
    bool shadowGradient_ = true;
    int shadowDepthX_ = 7;
    int shadowDepthY_ = 7;

    QCursor linkCursor_;
    std::function<void(int)> hoverNotify_;
    std::function<void(const std::string&)> messageNotify_;
    int hoveredLink_ = -2;

    std::vector<HtmlLineRecord> lines_;
    std::vector<HtmlLinkArea> linkAreas_;
    std::vector<HtmlTableGrid> tables_;
    std::vector<HtmlAnimation> animations_;
};

}  // namespace quivlane
