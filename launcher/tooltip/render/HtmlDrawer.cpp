#include "launcher/tooltip/render/HtmlDrawer.h"

#include "launcher/tooltip/core/HtmlPreprocessor.h"
#include "launcher/tooltip/render/HtmlLayout.h"
#include "launcher/tooltip/render/QtStyleSupport.h"
#include "platform/shell/Shell.h"

namespace quivlane {

HtmlDrawer::HtmlDrawer(Shell& shell)
    : shell_(shell),
      resolver_(std::make_shared<HtmlResourceResolver>()),
      sheet_(QtStyleSupport::ApplicationSystemColors()),
      linkCursor_(Qt::PointingHandCursor) {}

HtmlDrawer::~HtmlDrawer() = default;

QSize HtmlDrawer::PrepareDrawing(const QImage& dc, const std::string& text) {
    text_ = text;
    working_ = HtmlPreprocessor::Run(text, lineBreaks_);
    lines_.clear();
    tables_.clear();
    animations_.clear();
    linkAreas_.clear();
    QSize size;
    {
        HtmlLayout layout(*this, dc, nullptr);
        size = layout.Run(working_, QRect(0, 0, maxWidth_, 0));
    }
    if (size.width() <= 0 && size.height() <= 0) {
        text_.clear();
        working_.clear();
        return QSize(1, 1);
    }
    int width = size.width();
    if (maxWidth_ > 0 && width > maxWidth_) {
        width = maxWidth_;
    }
    return QSize(width + 1, size.height() + 1);
}

void HtmlDrawer::DrawPreparedHtml(QImage& dc, const QRect& rect) {
    linkAreas_.clear();
    if (working_.empty() || dc.isNull()) {
        return;
    }
    HtmlLayout layout(*this, dc, &dc);
    layout.Run(working_, rect);
}

void HtmlDrawer::SetMaxWidth(int pixels) {
    maxWidth_ = pixels < 0 ? 0 : pixels;
}

void HtmlDrawer::SetLineBreaks(bool on) {
    lineBreaks_ = on;
}

void HtmlDrawer::SetImageShadow(int offsetX, int offsetY, int darkenPercent, bool gradient,
                                int depthX, int depthY) {
    shadowOffsetX_ = offsetX;
    shadowOffsetY_ = offsetY;
    shadowPercent_ = darkenPercent > 100 ? 100 : (darkenPercent < 0 ? 0 : darkenPercent);
    shadowGradient_ = gradient;
    shadowDepthX_ = depthX;
    shadowDepthY_ = depthY;
}

void HtmlDrawer::SetEnabled(bool enabled) {
    sheet_.SetEnabled(enabled);
}

void HtmlDrawer::SetDisabledColor(Rgb color) {
    sheet_.SetDisabledColor(color);
}

void HtmlDrawer::SetStyleSheet(const std::optional<std::string>& text) {
    if (text) {
        sheet_.SetStyleSheet(std::string_view(*text));
    } else {
        sheet_.SetStyleSheet(std::nullopt);
    }
}

void HtmlDrawer::SetHoverNotify(std::function<void(int)> notify) {
    hoverNotify_ = std::move(notify);
}

void HtmlDrawer::SetMessageNotify(std::function<void(const std::string&)> notify) {
    messageNotify_ = std::move(notify);
}

void HtmlDrawer::SetLinkCursor(const std::optional<QCursor>& cursor) {
    linkCursor_ = cursor ? *cursor : QCursor(Qt::PointingHandCursor);
}

void HtmlDrawer::SetResourceResolver(std::shared_ptr<const HtmlResourceResolver> resolver) {
    resolver_ = resolver ? std::move(resolver) : std::make_shared<HtmlResourceResolver>();
}

int HtmlDrawer::HitLink(const QPoint& point) const {
    for (const HtmlLinkArea& area : linkAreas_) {
        const QRect& r = area.rect;
        // Edges included on all four sides, so the far edge lies one past the last pixel.
        if (point.x() >= r.left() && point.x() <= r.left() + r.width() && point.y() >= r.top() &&
            point.y() <= r.top() + r.height()) {
            return area.index;
        }
    }
    return -1;
}

bool HtmlDrawer::OnMouseMove(const QPoint& point) {
    const int hit = HitLink(point);
    const int hovered = hit >= 0 ? hit : -2;
    if (hovered != hoveredLink_) {
        hoveredLink_ = hovered;
        if (hoverNotify_) {
            hoverNotify_(hovered);
        }
    }
    if (hit < 0) {
        return false;
    }
    for (const HtmlLinkArea& area : linkAreas_) {
        if (area.index == hit) {
            return !area.target.empty();
        }
    }
    return false;
}

void HtmlDrawer::OnClick(const QPoint& point) {
    const int hit = HitLink(point);
    if (hit < 0) {
        return;
    }
    const HtmlLinkArea* area = nullptr;
    for (const HtmlLinkArea& a : linkAreas_) {
        if (a.index == hit) {
            area = &a;
            break;
        }
    }
    if (area == nullptr) {
        return;
    }
    // Copied: the owner may redraw (and rebuild the areas) from inside a notification.
    const std::string target = area->target;
    if (area->kind == HtmlLinkArea::Href) {
        SetLinkCursor(std::nullopt);
        if (!shell_.Open(target)) {
            shell_.OpenInBrowser(target);
        }
    } else if (area->kind == HtmlLinkArea::Msg) {
        if (messageNotify_) {
            messageNotify_(target);
        }
    }
}

bool HtmlDrawer::AdvanceAnimations() {
    bool moved = false;
    for (HtmlAnimation& a : animations_) {
        if (++a.ticks < a.ticksPerFrame) {
            continue;
        }
        a.ticks = 0;
        const int next = a.frameCount > 0 && a.frame + 1 < a.frameCount ? a.frame + 1 : 0;
        if (next != a.frame) {
            a.frame = next;
            moved = true;
        }
    }
    return moved;
}

}  // namespace quivlane
