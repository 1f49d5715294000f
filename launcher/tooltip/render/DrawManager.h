#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include "base/Rgb.h"
#include "launcher/tooltip/render/Icon.h"

namespace quivlane {

// Raster operations on in-memory images. Every "context" is a QImage that is, or is turned
// into, Format_ARGB32 (pixels 0xAARRGGBB); no QPainter may be active on it during a call.
// Areas are clipped to the images, so any coordinates are safe.
// Fill rectangles cover [x, x + width) by [y, y + height); borders are drawn inside the
// rectangle, their right and bottom edges on QRect::right() and QRect::bottom().
class DrawManager {
  public:
    // Image effect flags.
    static constexpr unsigned kEffectGrey = 0x0001;
    static constexpr unsigned kEffectDarken = 0x0002;
    static constexpr unsigned kEffectLighten = 0x0004;
    static constexpr unsigned kEffectReplace = 0x0008;
    static constexpr unsigned kEffectHardShadow = 0x0100;
    static constexpr unsigned kEffectSoftShadow = 0x0200;
    static constexpr unsigned kEffectInvert = 0x8000;

    // Fill effects; any other value fills solid.
    static constexpr int kFillSolid = 0;
    static constexpr int kFillHGradient = 1;
    static constexpr int kFillVGradient = 2;
    static constexpr int kFillHCGradient = 3;
    static constexpr int kFillVCGradient = 4;
    static constexpr int kFill3HGradient = 5;
    static constexpr int kFill3VGradient = 6;

    // Border and line styles.
    static constexpr int kStyleNone = 0;
    static constexpr int kStyleSolid = 1;
    static constexpr int kStyleDashed = 2;
    static constexpr int kStyleDotted = 3;
    static constexpr int kStyleDashDot = 4;
    static constexpr int kStyleDashDotDot = 5;
    static constexpr int kStyleDouble = 6;

    void FillGradientBands(QImage& dc, const QRect& rect, Rgb start, Rgb end,
                           bool horizontal) const;
    void FillEffect(QImage& dc, int effect, const QRect& rect, Rgb begin, Rgb middle,
                    Rgb end) const;

    // Returns a Format_ARGB32 image of width x height (the bitmap is cropped or padded with
    // transparent black, not stretched). A source without an alpha channel counts as alpha 0.
    QImage ApplyImageEffects(const QImage& bitmap, int width, int height, unsigned effects,
                             bool useTransparentColor, Rgb transparentColor, Rgb replacementColor);

    void AlphaBlit(QImage& dst, int x, int y, int width, int height, const QImage& src, int srcX,
                   int srcY, int opacityPercent) const;
    void AlphaBlitPerPixel(QImage& dst, int x, int y, int width, int height, const QImage& src,
                           int srcX, int srcY) const;

    void DrawShadow(QImage& dst, int x, int y, int width, int height, const QImage& mask, bool soft,
                    int depthX, int depthY) const;

    void DrawBitmap(QImage& dc, int x, int y, int width, int height, const QImage& bitmap,
                    bool useTransparentColor, Rgb transparentColor, unsigned effects, bool shadow,
                    int shadowOffsetX, int shadowOffsetY, int depthX, int depthY, Rgb color);
    void DrawIcon(QImage& dc, int x, int y, int width, int height, const Icon& icon,
                  unsigned effects, bool shadow, int shadowOffsetX, int shadowOffsetY, int depthX,
                  int depthY, Rgb color);
    void DrawImageListFrame(QImage& dc, int x, int y, int width, int height, const QImage& strip,
                            int frameIndex, int frameWidth, int frameHeight,
                            bool useTransparentColor, Rgb transparentColor, unsigned effects,
                            bool shadow, int shadowOffsetX, int shadowOffsetY, int depthX,
                            int depthY, Rgb color);

    static Icon ScaleIcon(const Icon& icon, int width, int height);
    static QSize GetIconSize(const Icon& icon) { return icon.Size(); }
    static QSize GetBitmapSize(const QImage& bitmap) { return bitmap.size(); }

    void DrawRectBorder(QImage& dc, const QRect& rect, Rgb light, Rgb dark, int style,
                        int width) const;
    void DrawLine(QImage& dc, int x1, int y1, int x2, int y2, Rgb color, int style,
                  int width) const;

    void TileBlit(QImage& dst, int x, int y, int width, int height, const QImage& src, int srcX,
                  int srcY, int tileWidth, int tileHeight) const;

    // Whether the last image through ApplyImageEffects had a pixel with non-zero alpha.
    bool HasAlpha() const { return hasAlpha_; }

  private:
    void DrawWorkingImage(QImage& dc, int x, int y, int width, int height, const QImage& working,
                          const QImage* iconMask, bool useTransparentColor, Rgb transparentColor,
                          unsigned effects, bool shadow, int shadowOffsetX, int shadowOffsetY,
                          int depthX, int depthY, Rgb color);

    bool hasAlpha_ = false;
};

}  // namespace quivlane
