#include "launcher/tooltip/render/HtmlLayout.h"

#include <algorithm>
#include <cstdlib>

#include "launcher/tooltip/core/HtmlBlockSplitter.h"
#include "launcher/tooltip/core/HtmlTagTable.h"
#include "launcher/tooltip/core/HtmlTokenReader.h"
#include "launcher/tooltip/render/HtmlDrawer.h"
#include "launcher/tooltip/render/HtmlImage.h"
#include "launcher/tooltip/render/HtmlTable.h"
#include "launcher/tooltip/render/QtStyleSupport.h"

namespace quivlane {

namespace {

constexpr int kMaxCount = 1000;

bool IsBreakCharacter(QChar c) {
    switch (c.unicode()) {
        case ' ':
        case '-':
        case '.':
        case ',':
        case '!':
        case ':':
        case ';':
        case ')':
        case '}':
        case ']':
        case '?':
            return true;
        default:
            return false;
    }
}

int CountOf(const HtmlToken& tag) {
    if (!tag.hasValue) {
        return 1;
    }
    const long n = std::strtol(tag.value.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(n, 1, kMaxCount));
}

QColor ToQ(Rgb c) {
    return QtStyleSupport::ToQColor(c);
}

}  // namespace

struct HtmlLayout::Line {
    QRect rect;
    int wrapWidth = 0;
    int y = 0;  // top of the line, from rect.top()
    int x = 0;  // from the line's start
    int blockWidth = 0;
    bool hasContent = false;
    bool alignSet = false;
    // Measuring.
    int ascent = 0;
    int descent = 0;
    int minHeight = 0;
    int spaces = 0;
    int align = 0;
    // Drawing.
    HtmlLineRecord record;
    int offset = 0;
    int extra = 0;  // justification pixels handed out so far; wrapping never sees them
    int justifyExtra = 0;
    int justifySpaces = 0;
};

namespace {

// A null image has no resolution; measure as on an ordinary 96 dpi image then.
const QImage& UsableDevice(const QImage& device) {
    static const QImage fallback(1, 1, QImage::Format_ARGB32);
    return device.isNull() ? fallback : device;
}

}  // namespace

HtmlLayout::HtmlLayout(HtmlDrawer& drawer, const QImage& device, QImage* target)
    : drawer_(drawer),
      target_(target),
      device_(UsableDevice(device)),
      measuring_(target == nullptr) {}

HtmlLayout::~HtmlLayout() {
    EndPainter();
}

QSize HtmlLayout::Run(std::string_view text, const QRect& rect) {
    style_.Reset();
    stack_.clear();
    linkIndex_ = -1;
    // Metrics first: the sheet's lengths are read against this device and font.
    StyleChanged();
    ApplySheetStyle("body");
    StyleChanged();
    const QSize size = LayoutBlocks(text, rect, drawer_.maxWidth_);
    EndPainter();
    return size;
}

QSize HtmlLayout::LayoutBlocks(std::string_view text, const QRect& rect, int wrapWidth) {
    if (!SpendWork(static_cast<std::int64_t>(text.size()))) {
        return {};
    }
    int y = 0;
    int width = 0;
    for (const HtmlBlock& block : HtmlBlockSplitter::Split(text)) {
        const QRect area(rect.left(), rect.top() + y, rect.width(), std::max(0, rect.height() - y));
        const QSize size = block.isTable ? HtmlTable::Layout(*this, block.text, area, wrapWidth)
                                         : LayoutFlow(block.text, area, wrapWidth);
        y = std::min(kMaxExtent, y + std::clamp(size.height(), 0, kMaxExtent));
        width = std::max(width, std::min(size.width(), kMaxExtent));
    }
    return QSize(width, y);
}

bool HtmlLayout::SpendWork(std::int64_t bytes) {
    if (bytes > workLeft_) {
        workLeft_ = 0;
        return false;
    }
    workLeft_ -= bytes;
    return true;
}

bool HtmlLayout::EnterTable() {
    if (tableDepth_ >= kMaxTableDepth) {
        return false;
    }
    ++tableDepth_;
    return true;
}

QSize HtmlLayout::LayoutFlow(std::string_view text, const QRect& rect, int wrapWidth) {
    std::string body;
    body.reserve(text.size() + 13);
    body += "<body>";
    body += text;
    body += "</body>";

    Line line;
    line.rect = rect;
    line.wrapWidth = wrapWidth;
    StartLine(line);
    HtmlTokenReader reader(body);
    HtmlToken token;
    while (reader.Next(token)) {
        if (token.kind == HtmlToken::Kind::Text) {
            PlaceText(line, QString::fromStdString(style_.TransformText(token.text)), true);
        } else {
            HandleTag(line, token);
        }
    }
    if (line.hasContent) {
        EndLine(line, false, 1);
    }
    return QSize(line.blockWidth, line.y);
}

void HtmlLayout::PushStyle(const std::string& label) {
    stack_.push_back({label, style_, linkIndex_, false});
    style_.name = label;
}

void HtmlLayout::PopStyle(const std::string& label) {
    if (stack_.empty()) {
        return;
    }
    if (stack_.back().label != label) {
        // Crossed tags: this level keeps its style for now and goes together with the
        // level above it, so that "<b><i></b></i>" ends both at the closing i.
        for (auto it = stack_.rbegin(); it != stack_.rend(); ++it) {
            if (it->label == label && !it->closed) {
                it->closed = true;
                break;
            }
        }
        return;
    }
    do {
        style_ = std::move(stack_.back().style);
        linkIndex_ = stack_.back().linkIndex;
        stack_.pop_back();
    } while (!stack_.empty() && stack_.back().closed);
    StyleChanged();
}

void HtmlLayout::PopTo(std::size_t depth) {
    if (stack_.size() <= depth) {
        return;
    }
    style_ = std::move(stack_[depth].style);
    linkIndex_ = stack_[depth].linkIndex;
    stack_.resize(depth);
    StyleChanged();
}

void HtmlLayout::ApplySheetStyle(std::string_view selector) {
    drawer_.sheet_.ApplyStyle(selector, style_, metrics_.lengths);
}

void HtmlLayout::StyleChanged() {
    metrics_ = drawer_.fonts_.Get(style_, device_);
}

QImage& HtmlLayout::Dc() {
    EndPainter();
    return *target_;
}

QPainter& HtmlLayout::Painter() {
    if (!painter_) {
        painter_.emplace(target_);
    }
    return *painter_;
}

void HtmlLayout::EndPainter() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void HtmlLayout::StartLine(Line& line) {
    line.x = 0;
    line.hasContent = false;
    line.alignSet = false;
    line.ascent = line.descent = line.minHeight = line.spaces = 0;
    line.offset = line.extra = line.justifyExtra = line.justifySpaces = 0;
    if (measuring_) {
        return;
    }
    const auto& lines = drawer_.lines_;
    line.record = lineCursor_ < lines.size() ? lines[lineCursor_] : HtmlLineRecord{};
    const int spare = line.rect.width() - line.record.width;
    if (line.record.align == TextStyle::kAlignCenter) {
        line.offset = spare / 2;
    } else if (line.record.align == TextStyle::kAlignRight) {
        line.offset = spare;
    } else if (line.record.align == TextStyle::kAlignJustify && line.record.wrapped &&
               line.record.spaces > 0 && spare > 0) {
        line.justifyExtra = spare;
        line.justifySpaces = line.record.spaces;
    }
}

void HtmlLayout::EndLine(Line& line, bool wrapped, int count) {
    int height = 0;
    if (measuring_) {
        HtmlLineRecord record;
        record.width = line.x;
        if (line.hasContent) {
            record.height = std::max(line.ascent + line.descent, line.minHeight);
            record.descent = line.descent;
        } else {
            record.height = std::max(metrics_.height, line.minHeight);
            record.descent = metrics_.descent;
        }
        record.align = line.alignSet ? line.align : style_.textAlign;
        record.spaces = line.spaces;
        record.wrapped = wrapped;
        drawer_.lines_.push_back(record);
        height = record.height;
    } else {
        height = line.record.height;
        ++lineCursor_;
    }
    line.blockWidth = std::max(line.blockWidth, line.x);
    line.y = static_cast<int>(
        std::min<std::int64_t>(kMaxExtent, line.y + static_cast<std::int64_t>(height) * count));
    StartLine(line);
}

void HtmlLayout::HandleTag(Line& line, const HtmlToken& tag) {
    const HtmlTagInfo* info = HtmlTagTable::Find(tag.name);
    if (info == nullptr) {
        return;
    }
    if (tag.closing) {
        if (!info->styleName.empty()) {
            PopStyle(info->styleName);
        }
        return;
    }
    if (!info->styleName.empty()) {
        PushStyle(info->styleName);
    }
    switch (info->code) {
        case HtmlTagCode::Bold:
            style_.weight = std::min(900, style_.weight * 2);
            break;
        case HtmlTagCode::Italic:
            style_.italic = !style_.italic;
            break;
        case HtmlTagCode::Underline:
            style_.underline = !style_.underline;
            break;
        case HtmlTagCode::Strikeout:
            style_.strikeout = !style_.strikeout;
            break;
        case HtmlTagCode::Font:
            ApplyFontTag(tag);
            break;
        case HtmlTagCode::Rule:
            PlaceRule(line, tag);
            break;
        case HtmlTagCode::Break:
            EndLine(line, false, CountOf(tag));
            break;
        case HtmlTagCode::Tab:
            PlaceTab(line, CountOf(tag));
            break;
        case HtmlTagCode::AlignLeft:
        case HtmlTagCode::AlignCenter:
        case HtmlTagCode::AlignRight:
        case HtmlTagCode::AlignJustify:
            style_.textAlign = info->alignValue;
            break;
        case HtmlTagCode::VAlignBaseline:
        case HtmlTagCode::VAlignTop:
        case HtmlTagCode::VAlignCenter:
        case HtmlTagCode::VAlignBottom:
            style_.verticalAlign = info->alignValue;
            break;
        case HtmlTagCode::Bitmap:
        case HtmlTagCode::Icon:
        case HtmlTagCode::ImageList:
            PlaceImage(line, tag, static_cast<int>(info->code));
            break;
        case HtmlTagCode::String:
            if (const std::string* id = tag.Find("idres")) {
                const auto text = drawer_.resolver_->String(
                    static_cast<int>(std::strtol(id->c_str(), nullptr, 0)));
                if (text) {
                    PlaceText(line, QString::fromStdString(style_.TransformText(*text)), false);
                }
            }
            break;
        case HtmlTagCode::SheetStyle:
            ApplySheetStyle(tag.name);
            break;
        case HtmlTagCode::Span:
            if (const std::string* cls = tag.Find("class")) {
                ApplySheetStyle("." + *cls);
            }
            break;
        case HtmlTagCode::Link:
            OpenLink(tag);
            break;
    }
    if (!info->styleName.empty()) {
        StyleChanged();
    }
}

void HtmlLayout::ApplyFontTag(const HtmlToken& tag) {
    const StyleSheet& sheet = drawer_.sheet_;
    for (const HtmlAttribute& a : tag.attributes) {
        if (a.name == "face") {
            if (!a.value.empty()) {
                style_.face = a.value;
            }
        } else if (a.name == "size") {
            style_.fontSize = sheet.LengthValue(a.value, style_.fontSize, true, metrics_.lengths);
        } else if (a.name == "color") {
            style_.textColor = sheet.ColorValue(a.value, style_.textColor);
        } else if (a.name == "style") {
            bool on = true;
            for (char c : a.value) {
                switch (c) {
                    case '-':
                        on = false;
                        continue;
                    case '+':
                        on = true;
                        continue;
                    case 'b':
                        style_.weight = on ? 700 : 400;
                        break;
                    case 'i':
                        style_.italic = on;
                        break;
                    case 'u':
                        style_.underline = on;
                        break;
                    case 's':
                        style_.strikeout = on;
                        break;
                    case 'o':
                        style_.overline = on;
                        break;
                    default:
                        break;
                }
                on = true;
            }
        } else if (a.name == "weight") {
            style_.weight = StyleSheet::FontWeightValue(a.value, style_.weight);
        } else if (a.name == "bkgnd") {
            if (!sheet.IsEnabled()) {
                continue;
            }
            if (a.value == "transparent") {
                style_.backgroundMode = TextStyle::kBackgroundTransparent;
            } else {
                style_.backgroundColor = sheet.ColorValue(a.value, style_.backgroundColor);
                style_.backgroundMode = TextStyle::kBackgroundOpaque;
            }
        }
    }
}

void HtmlLayout::OpenLink(const HtmlToken& tag) {
    style_.linkKind = TextStyle::kLinkNone;
    style_.linkTarget.clear();
    for (const HtmlAttribute& a : tag.attributes) {
        if (a.name == "href" || a.name == "msg") {
            style_.linkKind = a.name == "href" ? TextStyle::kLinkHref : TextStyle::kLinkMsg;
            style_.linkTarget = a.value;
            break;
        }
    }
    linkIndex_ = linkCounter_++;
    ApplySheetStyle(linkIndex_ == drawer_.hoveredLink_ ? "a:hover" : "a:link");
}

void HtmlLayout::PlaceText(Line& line, const QString& text, bool wrap) {
    const QFontMetrics& fm = *metrics_.metrics;
    QString rest = text;
    while (!rest.isEmpty()) {
        if (!wrap || line.wrapWidth <= 0 || line.x + fm.horizontalAdvance(rest) <= line.wrapWidth) {
            EmitRun(line, rest);
            return;
        }
        const int room = line.wrapWidth - line.x;
        // The most characters that fit; widths grow with length, so a binary search will do.
        int lo = 0;
        int hi = static_cast<int>(rest.size());
        while (lo < hi) {
            const int mid = (lo + hi + 1) / 2;
            if (fm.horizontalAdvance(rest.left(mid)) <= room) {
                lo = mid;
            } else {
                hi = mid - 1;
            }
        }
        const int fits = lo;
        int cut = 0;
        for (int i = fits - 1; i >= 0; --i) {
            if (IsBreakCharacter(rest[i]) && fm.horizontalAdvance(rest.left(i + 1)) <= room) {
                cut = i + 1;
                break;
            }
        }
        if (cut > 0) {
            QString first = rest.left(cut);
            while (!first.isEmpty() && first.back() == QLatin1Char(' ')) {
                first.chop(1);
            }
            rest.remove(0, cut);
            int lead = 0;
            while (lead < rest.size() && rest[lead] == QLatin1Char(' ')) {
                ++lead;
            }
            rest.remove(0, lead);
            if (!first.isEmpty()) {
                EmitRun(line, first);
            }
            EndLine(line, true, 1);
            continue;
        }
        if (!line.hasContent) {
            int n = std::max(1, fits);
            if (n < rest.size() && rest[n - 1].isHighSurrogate()) {
                ++n;
            }
            EmitRun(line, rest.left(n));
            rest.remove(0, n);
            EndLine(line, true, 1);
            continue;
        }
        EndLine(line, true, 1);
    }
}

void HtmlLayout::EmitRun(Line& line, const QString& text) {
    const QFontMetrics& fm = *metrics_.metrics;
    const int spaces = static_cast<int>(text.count(QLatin1Char(' ')));
    if (!line.alignSet) {
        line.align = style_.textAlign;
        line.alignSet = true;
    }
    line.hasContent = true;
    if (measuring_) {
        line.ascent = std::max(line.ascent, metrics_.ascent);
        line.descent = std::max(line.descent, metrics_.height - metrics_.ascent);
        line.spaces += spaces;
        line.x = std::min(kMaxExtent, line.x + fm.horizontalAdvance(text));
        return;
    }

    const int H = line.record.height;
    const int D = line.record.descent;
    const int h = metrics_.height;
    const int a = metrics_.ascent;
    int top = line.rect.top() + line.y;
    switch (style_.verticalAlign) {
        case TextStyle::kVAlignTop:
            break;
        case TextStyle::kVAlignVCenter:
            top += (H - h) / 2;
            break;
        case TextStyle::kVAlignBottom:
            top += H - a;
            break;
        default:
            top += H - a - D;
            break;
    }
    const int left = line.rect.left() + line.offset + line.x + line.extra;

    // Justified lines draw word by word so that each space can take its share.
    std::vector<std::pair<QString, int>> pieces;
    int width = 0;
    if (line.justifySpaces > 0 && spaces > 0) {
        int start = 0;
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] != QLatin1Char(' ')) {
                continue;
            }
            const QString piece = text.mid(start, i - start + 1);
            pieces.emplace_back(piece, width);
            width += fm.horizontalAdvance(piece);
            if (line.justifySpaces > 0) {
                const int extra = line.justifyExtra / line.justifySpaces;
                line.justifyExtra -= extra;
                --line.justifySpaces;
                width += extra;
            }
            start = i + 1;
        }
        const QString tail = text.mid(start);
        pieces.emplace_back(tail, width);
        width += fm.horizontalAdvance(tail);
    } else {
        pieces.emplace_back(text, 0);
        width = fm.horizontalAdvance(text);
    }

    QPainter& p = Painter();
    if (style_.backgroundMode == TextStyle::kBackgroundOpaque) {
        p.fillRect(QRect(left, top, width, h), ToQ(style_.backgroundColor));
    }
    p.setFont(metrics_.font);
    p.setPen(ToQ(style_.textColor));
    for (const auto& [piece, at] : pieces) {
        p.drawText(QPoint(left + at, top + a), piece);
    }
    if (style_.overline) {
        const int thickness = style_.weight >= 700 ? 2 : 1;
        p.fillRect(QRect(left, top, width, thickness), ToQ(style_.textColor));
    }
    RecordLink(QRect(left, top, width, h));
    // Both passes must wrap at the same points, so x moves by the natural width only.
    const int natural = fm.horizontalAdvance(text);
    line.x = std::min(kMaxExtent, line.x + natural);
    line.extra += width - natural;
}

void HtmlLayout::PlaceTab(Line& line, int count) {
    const int tab = std::max(1, drawer_.tabWidth_);
    line.x = std::min(kMaxExtent, (line.x / tab + 1) * tab + (count - 1) * tab);
}

void HtmlLayout::PlaceRule(Line& line, const HtmlToken& tag) {
    const StyleSheet& sheet = drawer_.sheet_;
    TextStyle ruleStyle = style_;
    sheet.ApplyStyle("hr", ruleStyle, metrics_.lengths);
    Rgb color = ruleStyle.textColor;
    if (const std::string* c = tag.Find("color")) {
        color = sheet.ColorValue(*c, color);
    }
    int thickness = 1;
    if (const std::string* s = tag.Find("size")) {
        thickness = std::clamp(sheet.LengthValue(*s, 1, false, metrics_.lengths), 0, kMaxCount);
    }
    const std::string* widthText = tag.Find("width");
    const std::string value = widthText == nullptr ? std::string("100%") : *widthText;
    const bool percent = !value.empty() && value.back() == '%';
    // The advance depends only on what both passes know alike: the line's wrap width and
    // position. A relative rule takes its share of the wrap width (none without wrapping,
    // 1 pixel with it, so that it never pushes what follows onto another line).
    int advance = 0;
    int drawn = 0;
    if (percent) {
        advance = line.wrapWidth > 0 ? 1 : 0;
        drawn = std::clamp(sheet.LengthValue(value, line.rect.width(), false, metrics_.lengths), 0,
                           kMaxExtent);
    } else {
        advance = std::clamp(sheet.LengthValue(value, line.wrapWidth, false, metrics_.lengths), 0,
                             kMaxExtent);
        if (line.wrapWidth > 0) {
            advance = std::min(advance, std::max(0, line.wrapWidth - line.x));
        }
        drawn = advance;
    }

    if (!line.alignSet) {
        line.align = style_.textAlign;
        line.alignSet = true;
    }
    line.hasContent = true;
    line.minHeight = std::max(line.minHeight, thickness + 8);
    if (!measuring_) {
        if (percent) {
            // When drawn, a relative rule grows into the room the line leaves unused, and
            // no further: text after it stays where it was measured.
            const int room = std::max(0, line.rect.width() - line.offset - line.record.width -
                                             line.extra - line.justifyExtra);
            drawn = std::min(drawn, advance + room);
        }
        if (thickness > 0 && drawn > 0) {
            const int mid = line.rect.top() + line.y + line.record.height / 2;
            Painter().fillRect(QRect(line.rect.left() + line.offset + line.x + line.extra,
                                     mid - thickness / 2, drawn, thickness),
                               ToQ(color));
        }
        line.extra += drawn - advance;
    }
    line.x = std::min(kMaxExtent, line.x + advance);
}

void HtmlLayout::PlaceImage(Line& line, const HtmlToken& tag, int code) {
    HtmlDrawer& d = drawer_;
    if (imageLeft_ <= 0) {
        return;
    }
    const HtmlImage image = HtmlImage::Load(tag, static_cast<HtmlTagCode>(code), *d.resolver_,
                                            d.sheet_, metrics_.lengths);
    if (image.IsNull()) {
        return;
    }
    // Pictures cost their decoded source and their scaled copy; past the budget they are
    // left out as if missing.
    const QSize source = image.bitmap.isNull() ? image.icon.Size() : image.bitmap.size();
    const std::int64_t cost =
        4 * (static_cast<std::int64_t>(source.width()) * source.height() +
             static_cast<std::int64_t>(image.size.width()) * image.size.height());
    if (cost > imageLeft_) {
        return;
    }
    imageLeft_ -= cost;
    const bool shadowSet = d.shadowOffsetX_ != 0 || d.shadowOffsetY_ != 0;
    const int w = image.size.width() + (image.shadow && shadowSet ? d.shadowOffsetX_ : 0);
    const int h = image.size.height() + (image.shadow && shadowSet ? d.shadowOffsetY_ : 0);
    if (line.wrapWidth > 0 && line.hasContent && line.x + w > line.wrapWidth) {
        EndLine(line, true, 1);
    }
    if (!line.alignSet) {
        line.align = style_.textAlign;
        line.alignSet = true;
    }
    line.hasContent = true;
    const bool animated = image.code == HtmlTagCode::ImageList && image.speed > 0;
    if (measuring_) {
        line.ascent = std::max(line.ascent, h);
        if (animated) {
            d.animations_.push_back({image.frameIndex, image.frameCount, 0, image.speed});
        }
        line.x = std::min(kMaxExtent, line.x + w);
        return;
    }

    const int H = line.record.height;
    const int D = line.record.descent;
    int top = line.rect.top() + line.y;
    switch (style_.verticalAlign) {
        case TextStyle::kVAlignTop:
            break;
        case TextStyle::kVAlignVCenter:
            top += (H - h) / 2;
            break;
        case TextStyle::kVAlignBottom:
            top += H - h;
            break;
        default:
            top += H - D - h;
            break;
    }
    const int left = line.rect.left() + line.offset + line.x + line.extra;
    const bool hot = style_.linkKind != TextStyle::kLinkNone && linkIndex_ == d.hoveredLink_;
    const bool shadow = (hot ? image.hotShadow : image.shadow) && shadowSet;
    unsigned effects = hot ? image.hotEffects : image.effects;
    if (shadow) {
        effects |=
            d.shadowGradient_ ? DrawManager::kEffectSoftShadow : DrawManager::kEffectHardShadow;
    }
    const auto grey = static_cast<std::uint8_t>((255 * (100 - d.shadowPercent_) + 50) / 100);
    const Rgb shadowColor{grey, grey, grey};
    int frame = image.frameIndex;
    if (animated) {
        if (animationCursor_ < d.animations_.size()) {
            frame = d.animations_[animationCursor_].frame;
        }
        ++animationCursor_;
    }
    QImage& dc = Dc();
    const int iw = image.size.width();
    const int ih = image.size.height();
    switch (image.code) {
        case HtmlTagCode::Icon:
            draw_.DrawIcon(dc, left, top, iw, ih, image.icon, effects, shadow, d.shadowOffsetX_,
                           d.shadowOffsetY_, d.shadowDepthX_, d.shadowDepthY_, shadowColor);
            break;
        case HtmlTagCode::ImageList:
            draw_.DrawImageListFrame(dc, left, top, iw, ih, image.bitmap, frame, image.frameWidth,
                                     image.frameHeight, image.useMask, image.mask, effects, shadow,
                                     d.shadowOffsetX_, d.shadowOffsetY_, d.shadowDepthX_,
                                     d.shadowDepthY_, shadowColor);
            break;
        default:
            draw_.DrawBitmap(dc, left, top, iw, ih, image.bitmap, image.useMask, image.mask,
                             effects, shadow, d.shadowOffsetX_, d.shadowOffsetY_, d.shadowDepthX_,
                             d.shadowDepthY_, shadowColor);
            break;
    }
    RecordLink(QRect(left, top, w, h));
    line.x = std::min(kMaxExtent, line.x + w);
}

void HtmlLayout::RecordLink(const QRect& area) {
    if (measuring_ || style_.linkKind == TextStyle::kLinkNone) {
        return;
    }
    drawer_.linkAreas_.push_back({area, style_.linkKind, linkIndex_, style_.linkTarget});
}

}  // namespace quivlane
