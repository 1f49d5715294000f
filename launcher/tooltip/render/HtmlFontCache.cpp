#include "launcher/tooltip/render/HtmlFontCache.h"

#include <algorithm>

#include "launcher/tooltip/render/QtStyleSupport.h"

namespace quivlane {

namespace {

// Markup can ask for any size; fonts beyond this only cost time.
constexpr int kMaxFontPixels = 1000;
// Markup can also ask for any number of fonts; keep memory bounded.
constexpr std::size_t kMaxFonts = 64;

// Markup means the cell height (ascent plus descent), Qt the em: the largest pixel size whose
// cell is no taller than asked for.
int PixelSizeForCell(QFont font, int cell, const QPaintDevice& device) {
    const auto cellAt = [&](int pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics m(font, &device);
        return m.ascent() + m.descent();
    };
    int pixels = cell;
    const int first = cellAt(pixels);
    if (first > 0) {
        pixels = std::max(
            1, static_cast<int>((static_cast<long long>(cell) * cell + first / 2) / first));
    }
    int height = cellAt(pixels);
    // The estimate is off by a pixel or two at most; the bounds only guard odd fonts.
    for (int i = 0; i < 64 && height > cell && pixels > 1; ++i) {
        height = cellAt(--pixels);
    }
    for (int i = 0; i < 64 && cellAt(pixels + 1) <= cell; ++i) {
        ++pixels;
    }
    return pixels;
}

}  // namespace

const HtmlFont& HtmlFontCache::Get(const TextStyle& style, const QPaintDevice& device) {
    if (device.logicalDpiX() != dpiX_ || device.logicalDpiY() != dpiY_ ||
        fonts_.size() >= kMaxFonts) {
        fonts_.clear();
        dpiX_ = device.logicalDpiX();
        dpiY_ = device.logicalDpiY();
    }
    const int pixels = std::clamp(style.fontSize, 1, kMaxFontPixels);
    const int weight = std::clamp(style.weight, 1, 1000);
    std::string key = style.face;
    key += '|';
    key += std::to_string(pixels);
    key += '|';
    key += std::to_string(weight);
    key += style.italic ? 'i' : '-';
    key += style.underline ? 'u' : '-';
    key += style.strikeout ? 's' : '-';
    auto it = fonts_.find(key);
    if (it != fonts_.end()) {
        return it->second;
    }
    HtmlFont f;
    f.font.setFamily(QString::fromStdString(style.face));
    f.font.setWeight(static_cast<QFont::Weight>(weight));
    f.font.setItalic(style.italic);
    f.font.setUnderline(style.underline);
    f.font.setStrikeOut(style.strikeout);
    f.font.setPixelSize(PixelSizeForCell(f.font, pixels, device));
    f.metrics = std::make_shared<const QFontMetrics>(f.font, &device);
    f.ascent = f.metrics->ascent();
    f.descent = f.metrics->descent();
    f.height = f.ascent + f.descent;
    f.lengths = QtStyleSupport::LengthContextFor(f.font, &device);
    return fonts_.emplace(std::move(key), std::move(f)).first->second;
}

}  // namespace quivlane
