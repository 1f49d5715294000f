#include "launcher/tooltip/render/DrawManager.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace quivlane {

namespace {

using Pixel = std::uint32_t;

constexpr Pixel kRgbMask = 0x00FFFFFFu;
constexpr Pixel kAlphaMask = 0xFF000000u;

// Depths beyond this would only blur everything to the same grey; capping them keeps the
// running sums far from overflow.
constexpr int kMaxShadowDepth = 1023;

// Pictures are stretched to their drawn size before any effect; a size from markup far
// beyond any screen would only exhaust memory, so such pictures are not drawn.
constexpr long long kMaxPicturePixels = 1LL << 24;

// Whether a picture of this size at this place (and at its shadow's place) can show at all.
bool PictureWorthDrawing(const QImage& dc, int x, int y, int width, int height, bool shadow,
                         int shadowOffsetX, int shadowOffsetY) {
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPicturePixels) {
        return false;
    }
    const auto visible = [&](long long px, long long py) {
        return px < dc.width() && py < dc.height() && px + width > 0 && py + height > 0;
    };
    return visible(x, y) || (shadow && visible(static_cast<long long>(x) + shadowOffsetX,
                                               static_cast<long long>(y) + shadowOffsetY));
}

void EnsureArgb(QImage& image) {
    if (!image.isNull() && image.format() != QImage::Format_ARGB32) {
        image.convertTo(QImage::Format_ARGB32);
    }
}

QImage AsArgb(const QImage& image) {
    return image.format() == QImage::Format_ARGB32 ? image
                                                   : image.convertToFormat(QImage::Format_ARGB32);
}

Pixel* Row(QImage& image, int y) {
    return reinterpret_cast<Pixel*>(image.scanLine(y));
}
const Pixel* Row(const QImage& image, int y) {
    return reinterpret_cast<const Pixel*>(image.constScanLine(y));
}

int Channel(Pixel p, int shift) {
    return static_cast<int>((p >> shift) & 0xFFu);
}

Pixel Compose(Pixel alpha, int r, int g, int b) {
    return (alpha & kAlphaMask) | (static_cast<Pixel>(r) << 16) | (static_cast<Pixel>(g) << 8) |
           static_cast<Pixel>(b);
}

// A destination area with its matching source origin, both clipped to their images.
struct Area {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int srcX = 0;
    int srcY = 0;
    bool Empty() const { return width <= 0 || height <= 0; }
};

Area ClipArea(QSize dst, QSize src, long long x, long long y, long long width, long long height,
              long long srcX, long long srcY) {
    if (x < 0) {
        srcX -= x;
        width += x;
        x = 0;
    }
    if (y < 0) {
        srcY -= y;
        height += y;
        y = 0;
    }
    if (srcX < 0) {
        x -= srcX;
        width += srcX;
        srcX = 0;
    }
    if (srcY < 0) {
        y -= srcY;
        height += srcY;
        srcY = 0;
    }
    width = std::min({width, dst.width() - x, src.width() - srcX});
    height = std::min({height, dst.height() - y, src.height() - srcY});
    if (width <= 0 || height <= 0) {
        return {};
    }
    return Area{static_cast<int>(x),      static_cast<int>(y),    static_cast<int>(width),
                static_cast<int>(height), static_cast<int>(srcX), static_cast<int>(srcY)};
}

Area ClipToImage(QSize dst, long long x, long long y, long long width, long long height) {
    return ClipArea(dst, dst, x, y, width, height, x, y);
}

void FillArea(QImage& dc, long long x, long long y, long long width, long long height, Rgb color) {
    const Area a = ClipToImage(dc.size(), x, y, width, height);
    if (a.Empty()) {
        return;
    }
    const Pixel value = color.ToArgb();
    for (int row = a.y; row < a.y + a.height; ++row) {
        Pixel* line = Row(dc, row);
        std::fill(line + a.x, line + a.x + a.width, value);
    }
}

void CopyArea(QImage& dst, int x, int y, int width, int height, const QImage& src, int srcX,
              int srcY) {
    const Area a = ClipArea(dst.size(), src.size(), x, y, width, height, srcX, srcY);
    for (int row = 0; row < a.height; ++row) {
        const Pixel* from = Row(src, a.srcY + row) + a.srcX;
        std::copy(from, from + a.width, Row(dst, a.y + row) + a.x);
    }
}

// A smooth two-colour gradient over [from, to) along one axis.
void LinearGradient(QImage& dc, const QRect& rect, long long from, long long to, Rgb begin, Rgb end,
                    bool horizontal) {
    const long long length = to - from;
    if (length <= 0) {
        return;
    }
    const long long lo = std::max<long long>(from, 0);
    const long long hi = std::min<long long>(to, horizontal ? dc.width() : dc.height());
    for (long long pos = lo; pos < hi; ++pos) {
        const long long k = pos - from;
        const auto mix = [k, length](int a, int b) {
            return static_cast<std::uint8_t>(a + (b - a) * k / length);
        };
        const Rgb color{mix(begin.r, end.r), mix(begin.g, end.g), mix(begin.b, end.b)};
        if (horizontal) {
            FillArea(dc, pos, rect.y(), 1, rect.height(), color);
        } else {
            FillArea(dc, rect.x(), pos, rect.width(), 1, color);
        }
    }
}

// Dash patterns in units of the pen width: on, off, on, off...
const std::vector<int>& DashPattern(int style) {
    static const std::vector<int> kSolid{};
    static const std::vector<int> kDashed{18, 6};
    static const std::vector<int> kDotted{3, 3};
    static const std::vector<int> kDashDot{9, 6, 3, 6};
    static const std::vector<int> kDashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
        case DrawManager::kStyleDashed:
            return kDashed;
        case DrawManager::kStyleDotted:
            return kDotted;
        case DrawManager::kStyleDashDot:
            return kDashDot;
        case DrawManager::kStyleDashDotDot:
            return kDashDotDot;
        default:
            return kSolid;
    }
}

// Walks a dash pattern along a path; the phase carries over from one segment to the next.
class Dasher {
  public:
    Dasher(int style, int width) : pattern_(DashPattern(style)), scale_(std::max(width, 1)) {}

    bool NextOn() {
        if (pattern_.empty()) {
            return true;
        }
        const bool on = (index_ % 2) == 0;
        if (++step_ >= pattern_[index_] * scale_) {
            step_ = 0;
            index_ = (index_ + 1) % pattern_.size();
        }
        return on;
    }

  private:
    const std::vector<int>& pattern_;
    int scale_;
    std::size_t index_ = 0;
    int step_ = 0;
};

// Paints a band of `width` pixels across each point of an axis-aligned run from (x1, y1)
// towards (x2, y2), the end point excluded as a pen's line excludes it. The band starts
// width / 2 before the line, so an even width has its extra pixel above or to the left.
void AxisSegment(QImage& dc, int x1, int y1, int x2, int y2, Rgb color, int width, Dasher& dasher) {
    const int offset = -(width / 2);
    if (y1 == y2) {
        const int step = x2 >= x1 ? 1 : -1;
        for (int x = x1; x != x2; x += step) {
            if (dasher.NextOn()) {
                FillArea(dc, x, static_cast<long long>(y1) + offset, 1, width, color);
            }
        }
    } else {
        const int step = y2 >= y1 ? 1 : -1;
        for (int y = y1; y != y2; y += step) {
            if (dasher.NextOn()) {
                FillArea(dc, static_cast<long long>(x1) + offset, y, width, 1, color);
            }
        }
    }
}

// A band `width` pixels across, starting at `across`, walked from `from` to `to` (both
// inclusive) in the direction of `step`; vertical bands run along y.
void BandRun(QImage& dc, bool vertical, int across, int width, int from, int to, int step,
             Rgb color, Dasher& dasher) {
    if ((static_cast<long long>(to) - from) * step < 0) {
        return;
    }
    for (long long pos = from;; pos += step) {
        if (dasher.NextOn()) {
            if (vertical) {
                FillArea(dc, across, pos, width, 1, color);
            } else {
                FillArea(dc, pos, across, 1, width, color);
            }
        }
        if (pos == to) {
            break;
        }
    }
}

// Any other line: Bresenham, with a band across the minor axis.
void SlantedSegment(QImage& dc, int x1, int y1, int x2, int y2, Rgb color, int width,
                    Dasher& dasher) {
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long dy = -std::llabs(static_cast<long long>(y2) - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    const bool mostlyHorizontal = dx >= -dy;
    const int offset = -(width / 2);
    long long err = dx + dy;
    long long x = x1;
    long long y = y1;
    while (x != x2 || y != y2) {
        if (dasher.NextOn()) {
            if (mostlyHorizontal) {
                FillArea(dc, x, y + offset, 1, width, color);
            } else {
                FillArea(dc, x + offset, y, width, 1, color);
            }
        }
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

}  // namespace

void DrawManager::FillGradientBands(QImage& dc, const QRect& rect, Rgb start, Rgb end,
                                    bool horizontal) const {
    EnsureArgb(dc);
    const long long origin = horizontal ? rect.x() : rect.y();
    const long long length = horizontal ? rect.width() : rect.height();
    if (length <= 0) {
        return;
    }
    const auto channel = [](int from, int to, int i) {
        return static_cast<std::uint8_t>((64 * from + i * (to - from)) >> 6);
    };
    for (int i = 0; i < 64; ++i) {
        const long long from = origin + (i * length) / 64;
        const long long to = origin + ((i + 1) * length) / 64;
        if (from == to) {
            continue;
        }
        const Rgb color{channel(start.r, end.r, i), channel(start.g, end.g, i),
                        channel(start.b, end.b, i)};
        if (horizontal) {
            FillArea(dc, from, rect.y(), to - from, rect.height(), color);
        } else {
            FillArea(dc, rect.x(), from, rect.width(), to - from, color);
        }
    }
}

void DrawManager::FillEffect(QImage& dc, int effect, const QRect& rect, Rgb begin, Rgb middle,
                             Rgb end) const {
    EnsureArgb(dc);
    const long long left = rect.x();
    const long long right = left + rect.width();
    const long long top = rect.y();
    const long long bottom = top + rect.height();
    const long long midX = left + (right - left) / 2;
    const long long midY = top + (bottom - top) / 2;
    switch (effect) {
        case kFillHGradient:
            LinearGradient(dc, rect, left, right, begin, end, true);
            break;
        case kFillVGradient:
            LinearGradient(dc, rect, top, bottom, begin, end, false);
            break;
        case kFillHCGradient:
            LinearGradient(dc, rect, left, midX, begin, end, true);
            LinearGradient(dc, rect, midX, right, end, begin, true);
            break;
        case kFillVCGradient:
            LinearGradient(dc, rect, top, midY, begin, end, false);
            LinearGradient(dc, rect, midY, bottom, end, begin, false);
            break;
        case kFill3HGradient:
            LinearGradient(dc, rect, left, midX, begin, middle, true);
            LinearGradient(dc, rect, midX, right, middle, end, true);
            break;
        case kFill3VGradient:
            LinearGradient(dc, rect, top, midY, begin, middle, false);
            LinearGradient(dc, rect, midY, bottom, middle, end, false);
            break;
        default:
            FillArea(dc, rect.x(), rect.y(), rect.width(), rect.height(), begin);
            break;
    }
}

QImage DrawManager::ApplyImageEffects(const QImage& bitmap, int width, int height, unsigned effects,
                                      bool useTransparentColor, Rgb transparentColor,
                                      Rgb replacementColor) {
    hasAlpha_ = false;
    if (width <= 0 || height <= 0) {
        return {};
    }
    QImage out(width, height, QImage::Format_ARGB32);
    if (out.isNull()) {
        return {};
    }
    const QImage src = bitmap.isNull() ? QImage() : AsArgb(bitmap);
    // A picture without alpha has none to blend with; it is drawn through its mask.
    const Pixel alphaKept = bitmap.hasAlphaChannel() ? kAlphaMask : 0;

    // The grey level is the weighted sum with the weights as doubles, cut, taken exactly:
    // every such double is a multiple of 2^-56 below 1, so fixed point with 56 fraction bits
    // holds the sum without rounding (white gives 254, the weights summing to just under 1).
    static const auto kGreyWeights = [] {
        std::array<std::array<std::uint64_t, 256>, 3> w{};
        const double weights[3] = {0.299, 0.587, 0.114};
        for (int c = 0; c < 3; ++c) {
            const auto fixed = static_cast<std::uint64_t>(std::ldexp(weights[c], 56));
            for (std::uint64_t v = 0; v < 256; ++v) {
                w[c][v] = fixed * v;
            }
        }
        return w;
    }();
    // Darken then lighten, one table per combination.
    static const auto kTones = [] {
        std::array<std::array<std::uint8_t, 256>, 4> t{};
        for (int v = 0; v < 256; ++v) {
            const int dark = static_cast<int>(v * 0.75);
            t[0][v] = static_cast<std::uint8_t>(v);
            t[1][v] = static_cast<std::uint8_t>(dark);
            t[2][v] = static_cast<std::uint8_t>(std::min(255, static_cast<int>(v * 1.25)));
            t[3][v] = static_cast<std::uint8_t>(std::min(255, static_cast<int>(dark * 1.25)));
        }
        return t;
    }();

    const Pixel transparent = transparentColor.ToArgb(0);
    const Pixel replacement = replacementColor.ToArgb(0);
    const bool grey = (effects & kEffectGrey) != 0;
    const auto& tone =
        kTones[((effects & kEffectDarken) ? 1 : 0) + ((effects & kEffectLighten) ? 2 : 0)];
    const bool replace = (effects & kEffectReplace) != 0;
    const bool invert = (effects & kEffectInvert) != 0;
    const int srcWidth = std::min(width, src.width());
    const int srcHeight = std::min(height, src.height());
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        Pixel* line = Row(out, y);
        const Pixel* from = y < srcHeight ? Row(src, y) : nullptr;
        for (int x = 0; x < width; ++x) {
            // Outside the source the picture is padded with transparent black.
            const Pixel q = (from && x < srcWidth) ? from[x] : 0;
            const Pixel alpha = q & alphaKept;
            anyAlpha = anyAlpha || alpha != 0;
            Pixel d = 0;
            if (!(useTransparentColor && (q & kRgbMask) == transparent)) {
                if (replace) {
                    d = replacement;
                } else {
                    int r = Channel(q, 16);
                    int g = Channel(q, 8);
                    int b = Channel(q, 0);
                    if (grey) {
                        r = g = b = static_cast<int>(
                            (kGreyWeights[0][r] + kGreyWeights[1][g] + kGreyWeights[2][b]) >> 56);
                    }
                    d = Compose(0, tone[r], tone[g], tone[b]);
                }
            }
            if (invert) {
                d = ~d & kRgbMask;
            }
            line[x] = alpha | d;
        }
    }
    hasAlpha_ = anyAlpha;
    return out;
}

void DrawManager::AlphaBlit(QImage& dst, int x, int y, int width, int height, const QImage& src,
                            int srcX, int srcY, int opacityPercent) const {
    EnsureArgb(dst);
    const QImage source = AsArgb(src);
    if (opacityPercent >= 100) {
        CopyArea(dst, x, y, width, height, source, srcX, srcY);
        return;
    }
    const double p = std::max(opacityPercent, 0) / 100.0;
    const Area a = ClipArea(dst.size(), source.size(), x, y, width, height, srcX, srcY);
    for (int row = 0; row < a.height; ++row) {
        const Pixel* s = Row(source, a.srcY + row) + a.srcX;
        Pixel* d = Row(dst, a.y + row) + a.x;
        for (int col = 0; col < a.width; ++col) {
            const auto mix = [p, sp = s[col], dp = d[col]](int shift) {
                return static_cast<int>(p * Channel(sp, shift) + (1.0 - p) * Channel(dp, shift));
            };
            d[col] = Compose(d[col], mix(16), mix(8), mix(0));
        }
    }
}

void DrawManager::AlphaBlitPerPixel(QImage& dst, int x, int y, int width, int height,
                                    const QImage& src, int srcX, int srcY) const {
    EnsureArgb(dst);
    const QImage source = AsArgb(src);
    const Area a = ClipArea(dst.size(), source.size(), x, y, width, height, srcX, srcY);
    for (int row = 0; row < a.height; ++row) {
        const Pixel* s = Row(source, a.srcY + row) + a.srcX;
        Pixel* d = Row(dst, a.y + row) + a.x;
        for (int col = 0; col < a.width; ++col) {
            const double p = Channel(s[col], 24) / 255.0;
            const auto mix = [p, sp = s[col], dp = d[col]](int shift) {
                return static_cast<int>(p * Channel(sp, shift) + (1.0 - p) * Channel(dp, shift));
            };
            d[col] = Compose(d[col], mix(16), mix(8), mix(0));
        }
    }
}

void DrawManager::DrawShadow(QImage& dst, int x, int y, int width, int height, const QImage& mask,
                             bool soft, int depthX, int depthY) const {
    EnsureArgb(dst);
    const Area target = ClipToImage(dst.size(), x, y, width, height);
    if (target.Empty()) {
        return;
    }
    const QImage maskArgb = mask.isNull() ? QImage() : AsArgb(mask);
    const auto darken = [&](const auto& factorAt) {
        for (int row = 0; row < target.height; ++row) {
            Pixel* line = Row(dst, target.y + row);
            const int ay = target.y + row - y;
            for (int col = 0; col < target.width; ++col) {
                const double f = factorAt(target.x + col - x, ay);
                if (f >= 0.0 && f < 1.0) {
                    const Pixel p = line[target.x + col];
                    line[target.x + col] = Compose(p, static_cast<int>(Channel(p, 16) * f),
                                                   static_cast<int>(Channel(p, 8) * f),
                                                   static_cast<int>(Channel(p, 0) * f));
                }
            }
        }
    };

    if (!soft) {
        // The mask lies over the area from its top-left corner; beyond it nothing darkens.
        darken([&](int ax, int ay) {
            if (maskArgb.isNull() || ax >= maskArgb.width() || ay >= maskArgb.height()) {
                return 1.0;
            }
            return Channel(Row(maskArgb, ay)[ax], 0) / 255.0;
        });
        return;
    }

    const auto oddDepth = [](int depth) {
        depth = std::clamp(depth, 1, kMaxShadowDepth);
        return depth % 2 == 0 ? depth + 1 : depth;
    };
    const int dx = oddDepth(depthX);
    const int dy = oddDepth(depthY);

    // Only the visible part is darkened, so only it and the reach of the filter around it
    // are computed: a huge area partly on the image costs no more than the part shown.
    const int rx = dx / 2;
    const int ry = dy / 2;
    const long long visX0 = static_cast<long long>(target.x) - x;
    const long long visY0 = static_cast<long long>(target.y) - y;
    const long long regX0 = std::max<long long>(0, visX0 - rx);
    const long long regY0 = std::max<long long>(0, visY0 - ry);
    const long long regX1 = std::min<long long>(width, visX0 + target.width + rx);
    const long long regY1 = std::min<long long>(height, visY0 + target.height + ry);
    const auto regW = static_cast<std::size_t>(regX1 - regX0);
    const auto regH = static_cast<std::size_t>(regY1 - regY0);

    // The mask shrunk (nearest pixel) into a white field inset by half the depths, leaving
    // room for the blur to spread.
    const long long innerW = static_cast<long long>(width) - dx;
    const long long innerH = static_cast<long long>(height) - dy;
    const bool hasInner = innerW > 0 && innerH > 0 && !maskArgb.isNull();
    std::vector<int> blue(regW * regH, 255);
    if (hasInner) {
        const long long maskW = maskArgb.width();
        const long long maskH = maskArgb.height();
        for (std::size_t r = 0; r < regH; ++r) {
            const long long iy = regY0 + static_cast<long long>(r) - ry;
            if (iy < 0 || iy >= innerH) {
                continue;
            }
            const Pixel* line =
                Row(maskArgb, static_cast<int>((2 * iy + 1) * maskH / (2 * innerH)));
            int* out = blue.data() + r * regW;
            for (std::size_t c = 0; c < regW; ++c) {
                const long long ix = regX0 + static_cast<long long>(c) - rx;
                if (ix >= 0 && ix < innerW) {
                    out[c] = Channel(line[(2 * ix + 1) * maskW / (2 * innerW)], 0);
                }
            }
        }
    }

    // Box sums by running totals, across each row and then down the columns; pixels outside
    // the area count as white. Pixels outside the region never reach a visible window.
    std::vector<long long> across(regW * regH);
    for (std::size_t r = 0; r < regH; ++r) {
        const int* in = blue.data() + r * regW;
        const auto at = [&](long long c) {
            return (c < 0 || c >= static_cast<long long>(regW)) ? 255 : in[c];
        };
        long long sum = 0;
        for (long long k = -rx; k <= rx; ++k) {
            sum += at(k);
        }
        long long* out = across.data() + r * regW;
        for (long long c = 0; c < static_cast<long long>(regW); ++c) {
            out[c] = sum;
            sum += at(c + rx + 1) - at(c - rx);
        }
    }
    const long long outsideRow = 255LL * dx;
    const auto addRow = [&](std::vector<long long>& sums, long long r, long long sign) {
        if (r < 0 || r >= static_cast<long long>(regH)) {
            for (auto& v : sums) {
                v += sign * outsideRow;
            }
            return;
        }
        const long long* row = across.data() + static_cast<std::size_t>(r) * regW;
        for (std::size_t c = 0; c < regW; ++c) {
            sums[c] += sign * row[c];
        }
    };
    std::vector<long long> sums(regW, 0);
    for (long long k = -ry; k <= ry; ++k) {
        addRow(sums, k, 1);
    }
    const double divisor = static_cast<double>(dx) * dy * 255.0;
    const long long visOffsetX = visX0 - regX0;
    for (std::size_t r = 0; r < regH; ++r) {
        const long long ay = regY0 + static_cast<long long>(r);
        if (ay >= visY0 && ay < visY0 + target.height) {
            Pixel* line = Row(dst, static_cast<int>(y + ay)) + target.x;
            for (int col = 0; col < target.width; ++col) {
                const double f =
                    static_cast<double>(sums[static_cast<std::size_t>(visOffsetX + col)]) / divisor;
                if (f >= 0.0 && f < 1.0) {
                    const Pixel p = line[col];
                    line[col] = Compose(p, static_cast<int>(Channel(p, 16) * f),
                                        static_cast<int>(Channel(p, 8) * f),
                                        static_cast<int>(Channel(p, 0) * f));
                }
            }
        }
        addRow(sums, static_cast<long long>(r) + ry + 1, 1);
        addRow(sums, static_cast<long long>(r) - ry, -1);
    }
}

void DrawManager::DrawWorkingImage(QImage& dc, int x, int y, int width, int height,
                                   const QImage& working, const QImage* iconMask,
                                   bool useTransparentColor, Rgb transparentColor, unsigned effects,
                                   bool shadow, int shadowOffsetX, int shadowOffsetY, int depthX,
                                   int depthY, Rgb color) {
    EnsureArgb(dc);
    QImage mask;
    if (iconMask) {
        mask = AsArgb(*iconMask);
    } else {
        mask = ApplyImageEffects(working, width, height, kEffectReplace | kEffectInvert,
                                 useTransparentColor, transparentColor, kWhite);
    }
    const QImage image = ApplyImageEffects(working, width, height, effects, useTransparentColor,
                                           transparentColor, color);
    const bool imageHasAlpha = hasAlpha_;

    int drawX = x;
    int drawY = y;
    if (shadow) {
        const int shadowX = x + shadowOffsetX;
        const int shadowY = y + shadowOffsetY;
        if (effects & (kEffectHardShadow | kEffectSoftShadow)) {
            const QImage shadowMask =
                ApplyImageEffects(working, width, height, kEffectReplace | kEffectInvert,
                                  useTransparentColor, transparentColor, color.Inverted());
            DrawShadow(dc, shadowX, shadowY, width, height, shadowMask,
                       (effects & kEffectSoftShadow) != 0, depthX, depthY);
        } else {
            drawX = shadowX;
            drawY = shadowY;
        }
    }
    hasAlpha_ = imageHasAlpha;

    if (imageHasAlpha) {
        AlphaBlitPerPixel(dc, drawX, drawY, width, height, image, 0, 0);
        return;
    }
    // Mask then image, on the colour bits only: the canvas keeps its own alpha.
    const Area a = ClipArea(dc.size(), image.size(), drawX, drawY, width, height, 0, 0);
    for (int row = 0; row < a.height; ++row) {
        Pixel* d = Row(dc, a.y + row) + a.x;
        const Pixel* img = Row(image, a.srcY + row) + a.srcX;
        const bool maskRow = a.srcY + row < mask.height();
        const Pixel* m = maskRow ? Row(mask, a.srcY + row) : nullptr;
        for (int col = 0; col < a.width; ++col) {
            const int mx = a.srcX + col;
            const Pixel maskBits = (m && mx < mask.width()) ? m[mx] : kRgbMask;
            d[col] = (d[col] & (maskBits | kAlphaMask)) | (img[col] & kRgbMask);
        }
    }
}

void DrawManager::DrawBitmap(QImage& dc, int x, int y, int width, int height, const QImage& bitmap,
                             bool useTransparentColor, Rgb transparentColor, unsigned effects,
                             bool shadow, int shadowOffsetX, int shadowOffsetY, int depthX,
                             int depthY, Rgb color) {
    if (bitmap.isNull() ||
        !PictureWorthDrawing(dc, x, y, width, height, shadow, shadowOffsetX, shadowOffsetY)) {
        return;
    }
    const QImage working =
        bitmap.size() == QSize(width, height)
            ? bitmap
            : bitmap.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    DrawWorkingImage(dc, x, y, width, height, working, nullptr, useTransparentColor,
                     transparentColor, effects, shadow, shadowOffsetX, shadowOffsetY, depthX,
                     depthY, color);
}

Icon DrawManager::ScaleIcon(const Icon& icon, int width, int height) {
    if (icon.IsNull() || width <= 0 || height <= 0 ||
        static_cast<long long>(width) * height > kMaxPicturePixels) {
        return {};
    }
    return Icon{icon.color.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                icon.mask.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation)};
}

void DrawManager::DrawIcon(QImage& dc, int x, int y, int width, int height, const Icon& icon,
                           unsigned effects, bool shadow, int shadowOffsetX, int shadowOffsetY,
                           int depthX, int depthY, Rgb color) {
    if (icon.IsNull() ||
        !PictureWorthDrawing(dc, x, y, width, height, shadow, shadowOffsetX, shadowOffsetY)) {
        return;
    }
    const Icon sized = icon.Size() == QSize(width, height) && icon.mask.size() == icon.Size()
                           ? icon
                           : ScaleIcon(icon, width, height);
    // With replace the silhouette (the mask) is what gets the colour.
    const bool replace = (effects & kEffectReplace) != 0;
    const QImage& working = replace ? sized.mask : sized.color;
    DrawWorkingImage(dc, x, y, width, height, working, &sized.mask, true, replace ? kWhite : kBlack,
                     effects, shadow, shadowOffsetX, shadowOffsetY, depthX, depthY, color);
}

void DrawManager::DrawImageListFrame(QImage& dc, int x, int y, int width, int height,
                                     const QImage& strip, int frameIndex, int frameWidth,
                                     int frameHeight, bool useTransparentColor,
                                     Rgb transparentColor, unsigned effects, bool shadow,
                                     int shadowOffsetX, int shadowOffsetY, int depthX, int depthY,
                                     Rgb color) {
    if (strip.isNull() || frameWidth <= 0 || frameHeight <= 0) {
        return;
    }
    const int columns = strip.width() / frameWidth;
    const int rows = strip.height() / frameHeight;
    if (columns <= 0 || rows <= 0 || frameIndex < 0 ||
        static_cast<long long>(frameIndex) >= static_cast<long long>(columns) * rows) {
        return;
    }
    const QImage frame = strip.copy(frameWidth * (frameIndex % columns),
                                    frameHeight * (frameIndex / columns), frameWidth, frameHeight);
    DrawBitmap(dc, x, y, width, height, frame, useTransparentColor, transparentColor, effects,
               shadow, shadowOffsetX, shadowOffsetY, depthX, depthY, color);
}

void DrawManager::DrawRectBorder(QImage& dc, const QRect& rect, Rgb light, Rgb dark, int style,
                                 int width) const {
    if (style == kStyleNone || width <= 0 || rect.isEmpty()) {
        return;
    }
    EnsureArgb(dc);
    // Each edge is a band of the pen's width inside the rectangle (a pen of that width
    // centred at left + width / 2, and so on). Light runs from the bottom-left corner up and
    // across, dark from the top-right corner down and back, so each corner square belongs to
    // the stroke that starts or passes there, and dashes run on around the corners.
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.right();
    const int bottom = rect.bottom();
    const int w = width;
    Dasher lightPen(style, width);
    BandRun(dc, true, left, w, bottom, top, -1, light, lightPen);
    BandRun(dc, false, top, w, left + w, right - w, 1, light, lightPen);
    Dasher darkPen(style, width);
    BandRun(dc, true, right - w + 1, w, top, bottom, 1, dark, darkPen);
    BandRun(dc, false, bottom - w + 1, w, right - w, left + w, -1, dark, darkPen);
    if (style == kStyleDouble) {
        const int inset = static_cast<int>(std::min<long long>(2LL * width, 1 << 20));
        const QRect inner = rect.adjusted(inset, inset, -inset, -inset);
        if (inner.isValid() && !inner.isEmpty()) {
            DrawRectBorder(dc, inner, light, dark, kStyleSolid, width);
        }
    }
}

void DrawManager::DrawLine(QImage& dc, int x1, int y1, int x2, int y2, Rgb color, int style,
                           int width) const {
    EnsureArgb(dc);
    const int penWidth = std::max(width, 1);
    const auto stroke = [&](int ax, int ay, int bx, int by) {
        Dasher pen(style, penWidth);
        if (ax == bx || ay == by) {
            AxisSegment(dc, ax, ay, bx, by, color, penWidth, pen);
        } else {
            SlantedSegment(dc, ax, ay, bx, by, color, penWidth, pen);
        }
    };
    stroke(x1, y1, x2, y2);
    if (style == kStyleDouble) {
        const int gap = 2 * penWidth;
        if (std::llabs(static_cast<long long>(x2) - x1) >=
            std::llabs(static_cast<long long>(y2) - y1)) {
            stroke(x1, y1 + gap, x2, y2 + gap);
        } else {
            stroke(x1 + gap, y1, x2 + gap, y2);
        }
    }
}

void DrawManager::TileBlit(QImage& dst, int x, int y, int width, int height, const QImage& src,
                           int srcX, int srcY, int tileWidth, int tileHeight) const {
    if (src.isNull() || tileWidth <= 0 || tileHeight <= 0) {
        return;
    }
    EnsureArgb(dst);
    const QImage source = AsArgb(src);
    const Area a = ClipToImage(dst.size(), x, y, width, height);
    for (int row = a.y; row < a.y + a.height; ++row) {
        const long long sy =
            static_cast<long long>(srcY) + (static_cast<long long>(row) - y) % tileHeight;
        if (sy < 0 || sy >= source.height()) {
            continue;
        }
        const Pixel* from = Row(source, static_cast<int>(sy));
        Pixel* to = Row(dst, row);
        for (int col = a.x; col < a.x + a.width; ++col) {
            const long long sx =
                static_cast<long long>(srcX) + (static_cast<long long>(col) - x) % tileWidth;
            if (sx >= 0 && sx < source.width()) {
                to[col] = from[sx];
            }
        }
    }
}

}  // namespace quivlane
