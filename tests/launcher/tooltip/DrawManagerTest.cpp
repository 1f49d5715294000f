#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <cstdint>
#include <limits>
#include <random>
#include <set>
#include <vector>

#include "launcher/tooltip/render/DrawManager.h"

namespace quivlane {
namespace {

using Pixel = std::uint32_t;

QImage Canvas(int w, int h, Pixel fill = 0xFF102030u) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

Pixel At(const QImage& image, int x, int y) {
    return image.pixel(x, y);
}
int Red(Pixel p) {
    return (p >> 16) & 0xFF;
}
int Green(Pixel p) {
    return (p >> 8) & 0xFF;
}
int Blue(Pixel p) {
    return p & 0xFF;
}

// ---- gradients and fills ----

TEST(DrawGradientBands, BlackToWhiteOver32PixelsGivesOnePixelBands) {
    DrawManager dm;
    QImage dc = Canvas(40, 4);
    dm.FillGradientBands(dc, QRect(4, 0, 32, 4), kBlack, kWhite, true);
    std::set<Pixel> distinct;
    for (int x = 0; x < 32; ++x) {
        const Pixel p = At(dc, 4 + x, 2);
        // Only the odd bands have a pixel of their own: band 2k+1 lands on pixel k.
        const int expected = ((2 * x + 1) * 255) >> 6;
        EXPECT_EQ(Red(p), expected) << x;
        EXPECT_EQ(Green(p), expected);
        EXPECT_EQ(Blue(p), expected);
        distinct.insert(p);
    }
    EXPECT_EQ(distinct.size(), 32u);
    EXPECT_EQ(At(dc, 3, 2), 0xFF102030u);
    EXPECT_EQ(At(dc, 36, 2), 0xFF102030u);
}

TEST(DrawGradientBands, VerticalBandsAreRowsAndChannelsShiftIndependently) {
    DrawManager dm;
    QImage dc = Canvas(3, 128);
    dm.FillGradientBands(dc, QRect(0, 0, 3, 128), Rgb{200, 0, 10}, Rgb{0, 100, 10}, false);
    for (int i = 0; i < 64; ++i) {
        const Pixel top = At(dc, 1, 2 * i);
        EXPECT_EQ(top, At(dc, 1, 2 * i + 1));
        EXPECT_EQ(Red(top), (64 * 200 - i * 200) >> 6);
        EXPECT_EQ(Green(top), (i * 100) >> 6);
        EXPECT_EQ(Blue(top), 10);
    }
}

TEST(DrawGradientBands, RectanglesOutsideTheImageAreClipped) {
    DrawManager dm;
    QImage dc = Canvas(10, 10);
    dm.FillGradientBands(dc, QRect(-50, -50, 200, 200), kWhite, kWhite, true);
    EXPECT_EQ(At(dc, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(At(dc, 9, 9), 0xFFFFFFFFu);
    dm.FillGradientBands(dc, QRect(100, 100, 5, 5), kBlack, kBlack, false);
    EXPECT_EQ(At(dc, 9, 9), 0xFFFFFFFFu);
}

TEST(DrawFillEffect, MirroredHorizontalOverOddWidthHasTheNarrowerHalfOnTheLeft) {
    DrawManager dm;
    QImage dc = Canvas(5, 1);
    dm.FillEffect(dc, DrawManager::kFillHCGradient, QRect(0, 0, 5, 1), kBlack, kBlack, kWhite);
    // Left half [0, 2): black towards white; right half [2, 5): white back towards black.
    EXPECT_EQ(Red(At(dc, 0, 0)), 0);
    EXPECT_EQ(Red(At(dc, 1, 0)), 127);
    EXPECT_EQ(Red(At(dc, 2, 0)), 255);
    EXPECT_EQ(Red(At(dc, 3, 0)), 170);
    EXPECT_EQ(Red(At(dc, 4, 0)), 85);
}

TEST(DrawFillEffect, MirroredVerticalAndThreeColourGradientsMeetInTheMiddle) {
    DrawManager dm;
    QImage v = Canvas(1, 4);
    dm.FillEffect(v, DrawManager::kFillVCGradient, QRect(0, 0, 1, 4), kBlack, kBlack, kWhite);
    EXPECT_EQ(Red(At(v, 0, 0)), 0);
    EXPECT_EQ(Red(At(v, 0, 2)), 255);
    EXPECT_EQ(Red(At(v, 0, 3)), 128);  // 255 - 255 / 2, the step cut toward zero

    QImage h = Canvas(6, 1);
    dm.FillEffect(h, DrawManager::kFill3HGradient, QRect(0, 0, 6, 1), Rgb{255, 0, 0},
                  Rgb{0, 255, 0}, Rgb{0, 0, 255});
    EXPECT_EQ(At(h, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(At(h, 3, 0), 0xFF00FF00u);
    EXPECT_GT(Blue(At(h, 5, 0)), 0);
    EXPECT_EQ(Red(At(h, 5, 0)), 0);
}

TEST(DrawFillEffect, SolidAndUnknownEffectsUseTheBeginColour) {
    DrawManager dm;
    for (int effect : {0, 7, -1, 1000}) {
        QImage dc = Canvas(4, 4);
        dm.FillEffect(dc, effect, QRect(1, 1, 2, 2), Rgb{1, 2, 3}, kWhite, kWhite);
        EXPECT_EQ(At(dc, 1, 1), 0xFF010203u) << effect;
        EXPECT_EQ(At(dc, 2, 2), 0xFF010203u) << effect;
        EXPECT_EQ(At(dc, 3, 3), 0xFF102030u) << effect;
    }
}

TEST(DrawFillEffect, PlainGradientsRunFromBeginToEnd) {
    DrawManager dm;
    QImage dc = Canvas(8, 8);
    dm.FillEffect(dc, DrawManager::kFillHGradient, QRect(0, 0, 8, 8), kBlack, kWhite, kWhite);
    for (int x = 1; x < 8; ++x) {
        EXPECT_GT(Red(At(dc, x, 3)), Red(At(dc, x - 1, 3)));
        EXPECT_EQ(At(dc, x, 0), At(dc, x, 7));
    }
    dm.FillEffect(dc, DrawManager::kFillVGradient, QRect(0, 0, 8, 8), kWhite, kWhite, kBlack);
    EXPECT_EQ(At(dc, 5, 0), 0xFFFFFFFFu);
    EXPECT_LT(Red(At(dc, 5, 7)), Red(At(dc, 5, 6)));
}

// ---- per-pixel effects ----

QImage OnePixel(Pixel p, QImage::Format format = QImage::Format_RGB32) {
    QImage image(1, 1, format);
    image.setPixel(0, 0, p);
    return image;
}

Pixel Effect(DrawManager& dm, Pixel p, unsigned effects, bool useTransparent = false,
             Rgb transparent = kBlack, Rgb replacement = kBlack,
             QImage::Format format = QImage::Format_RGB32) {
    return dm
        .ApplyImageEffects(OnePixel(p, format), 1, 1, effects, useTransparent, transparent,
                           replacement)
        .pixel(0, 0);
}

TEST(DrawImageEffects, GreyDarkenLightenFollowTheTruncatedProducts) {
    DrawManager dm;
    EXPECT_EQ(Effect(dm, 0xFFFFFFFF, DrawManager::kEffectGrey) & 0xFFFFFF, 0xFEFEFEu);
    EXPECT_EQ(
        Effect(dm, 0xFFFFFFFF, DrawManager::kEffectGrey | DrawManager::kEffectDarken) & 0xFFFFFF,
        0xBEBEBEu);
    EXPECT_EQ(Effect(dm, 0xFFFFFFFF, DrawManager::kEffectDarken) & 0xFFFFFF, 0xBFBFBFu);
    // 0.299 * 100 + 0.587 * 50 + 0.114 * 0 = 59.25
    EXPECT_EQ(Effect(dm, 0xFF643200, DrawManager::kEffectGrey) & 0xFFFFFF, 0x3B3B3Bu);
    EXPECT_EQ(Effect(dm, 0xFFC8F0FF, DrawManager::kEffectLighten) & 0xFFFFFF, 0xFAFFFFu);
    EXPECT_EQ(
        Effect(dm, 0xFF040404, DrawManager::kEffectDarken | DrawManager::kEffectLighten) & 0xFF,
        3u);
}

TEST(DrawImageEffects, GreyIsTheExactlyCutWeightedSum) {
    if constexpr (std::numeric_limits<long double>::digits < 64) {
        GTEST_SKIP() << "needs a long double that holds the products exactly";
    } else {
        DrawManager dm;
        QImage image(256, 64, QImage::Format_RGB32);
        std::mt19937 rng(3);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 256; ++x) {
                image.setPixel(x, y, 0xFF000000u | (rng() & 0xFFFFFF));
            }
        }
        image.setPixel(0, 0, 0xFFFFFFFFu);
        const QImage grey =
            dm.ApplyImageEffects(image, 256, 64, DrawManager::kEffectGrey, false, kBlack, kBlack);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 256; ++x) {
                const Pixel p = image.pixel(x, y);
                const long double exact = static_cast<long double>(0.299) * Red(p) +
                                          static_cast<long double>(0.587) * Green(p) +
                                          static_cast<long double>(0.114) * Blue(p);
                ASSERT_EQ(Blue(grey.pixel(x, y)), static_cast<int>(exact)) << x << "," << y;
            }
        }
    }
}

TEST(DrawImageEffects, TransparentReplaceAndInvert) {
    DrawManager dm;
    const Rgb key{255, 0, 255};
    const Rgb green{0, 255, 0};
    const unsigned replace = DrawManager::kEffectReplace;
    const unsigned invert = DrawManager::kEffectInvert;
    EXPECT_EQ(Effect(dm, 0xFFFF00FF, replace, true, key, green) & 0xFFFFFF, 0u);
    EXPECT_EQ(Effect(dm, 0xFF123456, replace, true, key, green) & 0xFFFFFF, 0x00FF00u);
    // Replacement wins over grey; invert applies to transparent pixels too.
    EXPECT_EQ(
        Effect(dm, 0xFF123456, replace | DrawManager::kEffectGrey, true, key, green) & 0xFFFFFF,
        0x00FF00u);
    EXPECT_EQ(Effect(dm, 0xFFFF00FF, invert, true, key) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(Effect(dm, 0xFF123456, invert) & 0xFFFFFF, 0xEDCBA9u);
    // The mask recipe: opaque pixels black, transparent ones white.
    EXPECT_EQ(Effect(dm, 0xFF123456, replace | invert, true, key, kWhite) & 0xFFFFFF, 0u);
    EXPECT_EQ(Effect(dm, 0xFFFF00FF, replace | invert, true, key, kWhite) & 0xFFFFFF, 0xFFFFFFu);
    // Without the flag the key colour is an ordinary colour.
    EXPECT_EQ(Effect(dm, 0xFFFF00FF, replace, false, key, green) & 0xFFFFFF, 0x00FF00u);
}

TEST(DrawImageEffects, AlphaByteIsKeptAndSetsTheFlag) {
    DrawManager dm;
    Effect(dm, 0xFF808080, 0);
    EXPECT_FALSE(dm.HasAlpha()) << "an image without alpha channel has none";
    const Pixel p = Effect(dm, 0x80FFFFFF, DrawManager::kEffectGrey, false, kBlack, kBlack,
                           QImage::Format_ARGB32);
    EXPECT_TRUE(dm.HasAlpha());
    EXPECT_EQ(p >> 24, 0x80u);
    Effect(dm, 0x00FFFFFF, 0, false, kBlack, kBlack, QImage::Format_ARGB32);
    EXPECT_FALSE(dm.HasAlpha()) << "the flag describes only the last image";
}

TEST(DrawImageEffects, SizeIsTheRequestedOneAndEmptySizesGiveNothing) {
    DrawManager dm;
    QImage src(3, 3, QImage::Format_RGB32);
    src.fill(0xFF112233u);
    const QImage out = dm.ApplyImageEffects(src, 5, 2, 0, false, kBlack, kBlack);
    ASSERT_EQ(out.size(), QSize(5, 2));
    EXPECT_EQ(out.format(), QImage::Format_ARGB32);
    EXPECT_EQ(out.pixel(2, 1) & 0xFFFFFF, 0x112233u);
    EXPECT_EQ(out.pixel(4, 1), 0u);
    EXPECT_TRUE(dm.ApplyImageEffects(src, 0, 3, 0, false, kBlack, kBlack).isNull());
    EXPECT_TRUE(dm.ApplyImageEffects(src, 3, -1, 0, false, kBlack, kBlack).isNull());
}

// ---- blending ----

TEST(DrawAlphaBlit, FullOpacityCopiesAndZeroLeavesTheDestination) {
    DrawManager dm;
    QImage src = Canvas(8, 8, 0x7F336699u);
    src.setPixel(3, 3, 0xFFABCDEFu);
    QImage dst = Canvas(8, 8);
    dm.AlphaBlit(dst, 1, 1, 4, 4, src, 2, 2, 100);
    EXPECT_EQ(At(dst, 2, 2), 0xFFABCDEFu);
    EXPECT_EQ(At(dst, 1, 1), 0x7F336699u);
    EXPECT_EQ(At(dst, 5, 5), 0xFF102030u);

    QImage untouched = Canvas(8, 8);
    dm.AlphaBlit(untouched, 0, 0, 8, 8, src, 0, 0, 0);
    EXPECT_EQ(untouched, Canvas(8, 8));
    dm.AlphaBlit(untouched, 0, 0, 8, 8, src, 0, 0, -20);
    EXPECT_EQ(untouched, Canvas(8, 8));
}

TEST(DrawAlphaBlit, PartialOpacityMixesEachChannelAndKeepsTheCanvasAlpha) {
    DrawManager dm;
    const QImage src = Canvas(2, 2, 0x00C864FFu);
    QImage dst = Canvas(2, 2, 0xFF6432FFu);
    dm.AlphaBlit(dst, 0, 0, 2, 2, src, 0, 0, 50);
    EXPECT_EQ(At(dst, 1, 1), 0xFF964BFFu);
    QImage dst30 = Canvas(1, 1, 0xFF000000u);
    dm.AlphaBlit(dst30, 0, 0, 1, 1, Canvas(1, 1, 0xFFFFFFFFu), 0, 0, 30);
    EXPECT_EQ(Red(At(dst30, 0, 0)), 76);  // 0.3 * 255 = 76.5, cut
}

TEST(DrawAlphaBlit, AreasAreClippedOnBothSides) {
    DrawManager dm;
    const QImage src = Canvas(4, 4, 0xFFFFFFFFu);
    QImage dst = Canvas(6, 6);
    dm.AlphaBlit(dst, -2, 4, 10, 10, src, -1, 0, 100);
    // Destination column -2 pairs with source column -1, so column 0 takes source column 1
    // and the source's width ends the area at column 2.
    EXPECT_EQ(At(dst, 0, 4), 0xFFFFFFFFu);
    EXPECT_EQ(At(dst, 2, 5), 0xFFFFFFFFu);
    EXPECT_EQ(At(dst, 3, 5), 0xFF102030u);
    EXPECT_EQ(At(dst, 0, 3), 0xFF102030u);
    dm.AlphaBlit(dst, 100, 100, 5, 5, src, 0, 0, 40);
    dm.AlphaBlitPerPixel(dst, -100, -100, 5, 5, src, 0, 0);
}

TEST(DrawAlphaBlitPerPixel, SourceAlphaIsTheOpacity) {
    DrawManager dm;
    QImage src(3, 1, QImage::Format_ARGB32);
    src.setPixel(0, 0, 0xFFFFFFFFu);
    src.setPixel(1, 0, 0x00FFFFFFu);
    src.setPixel(2, 0, 0x80FFFFFFu);
    QImage dst = Canvas(3, 1, 0xFF000000u);
    dm.AlphaBlitPerPixel(dst, 0, 0, 3, 1, src, 0, 0);
    EXPECT_EQ(At(dst, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(At(dst, 1, 0), 0xFF000000u);
    EXPECT_EQ(Red(At(dst, 2, 0)), 128);  // 128 / 255 * 255
    EXPECT_EQ(At(dst, 2, 0) >> 24, 0xFFu);
}

// ---- shadows ----

// A box filter written the slow way, straight from its definition.
std::vector<double> NaiveBoxFactors(const std::vector<int>& blue, int w, int h, int dx, int dy) {
    std::vector<double> out(static_cast<std::size_t>(w * h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            long long sum = 0;
            for (int j = y - dy / 2; j <= y + dy / 2; ++j) {
                for (int i = x - dx / 2; i <= x + dx / 2; ++i) {
                    const bool inside = i >= 0 && i < w && j >= 0 && j < h;
                    sum += inside ? blue[static_cast<std::size_t>(j * w + i)] : 255;
                }
            }
            out[static_cast<std::size_t>(y * w + x)] = static_cast<double>(sum) / (dx * dy * 255.0);
        }
    }
    return out;
}

TEST(DrawShadow, HardShadowScalesByTheMaskBlue) {
    DrawManager dm;
    QImage mask = Canvas(2, 1, 0xFFFFFFFFu);
    mask.setPixel(0, 0, 0xFF000080u);
    QImage dst = Canvas(4, 4, 0xFFC8C8C8u);
    dm.DrawShadow(dst, 1, 1, 2, 1, mask, false, 5, 5);
    EXPECT_EQ(At(dst, 1, 1), 0xFF646464u);  // 200 * 128 / 255 = 100.39
    EXPECT_EQ(At(dst, 2, 1), 0xFFC8C8C8u);
    EXPECT_EQ(At(dst, 0, 0), 0xFFC8C8C8u);
}

TEST(DrawShadow, SoftShadowMatchesABoxFilterOverTheShrunkMask) {
    DrawManager dm;
    const int w = 23;
    const int h = 17;
    const int depth = 5;
    // A mask whose inner area maps pixel for pixel onto the shrunk field.
    QImage mask(w, h, QImage::Format_RGB32);
    std::mt19937 rng(7);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            mask.setPixel(x, y, 0xFF000000u | (rng() % 256));
        }
    }
    std::vector<int> shrunk(static_cast<std::size_t>(w * h), 255);
    const QImage scaled = mask.scaled(w - depth, h - depth);
    for (int y = 0; y < h - depth; ++y) {
        for (int x = 0; x < w - depth; ++x) {
            shrunk[static_cast<std::size_t>((y + depth / 2) * w + x + depth / 2)] =
                scaled.pixel(x, y) & 0xFF;
        }
    }
    const std::vector<double> factors = NaiveBoxFactors(shrunk, w, h, depth, depth);

    QImage dst = Canvas(w + 4, h + 4, 0xFFFFC080u);
    dm.DrawShadow(dst, 2, 2, w, h, mask, true, depth, depth);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double f = factors[static_cast<std::size_t>(y * w + x)];
            const Pixel p = At(dst, x + 2, y + 2);
            if (f < 1.0) {
                ASSERT_EQ(Red(p), static_cast<int>(255 * f)) << x << "," << y;
                ASSERT_EQ(Green(p), static_cast<int>(0xC0 * f)) << x << "," << y;
                ASSERT_EQ(Blue(p), static_cast<int>(0x80 * f)) << x << "," << y;
            } else {
                ASSERT_EQ(p, 0xFFFFC080u);
            }
        }
    }
    EXPECT_EQ(At(dst, 0, 0), 0xFFFFC080u);
}

TEST(DrawShadow, EvenDepthsUseTheNextOddDepth) {
    DrawManager dm;
    QImage mask = Canvas(30, 20, 0xFF000000u);
    QImage six = Canvas(40, 30, 0xFFFFFFFFu);
    QImage seven = six.copy();
    QImage five = six.copy();
    dm.DrawShadow(six, 3, 3, 30, 20, mask, true, 6, 6);
    dm.DrawShadow(seven, 3, 3, 30, 20, mask, true, 7, 7);
    dm.DrawShadow(five, 3, 3, 30, 20, mask, true, 5, 5);
    EXPECT_EQ(six, seven);
    EXPECT_NE(six, five);
    // A black shape gives a fully dark core and a soft rim.
    EXPECT_EQ(At(seven, 3 + 15, 3 + 10) & 0xFFFFFF, 0u);
    EXPECT_GT(Red(At(seven, 3, 3)), 0);
}

TEST(DrawShadow, HugeAreasCostOnlyTheirVisiblePart) {
    DrawManager dm;
    const QImage black = Canvas(1, 1, 0xFF000000u);
    QImage dst = Canvas(20, 10, 0xFFFFFFFFu);
    dm.DrawShadow(dst, -1000000000, 0, 2000000000, 10, black, true, 3, 3);
    // Rows 1..7 hold the shrunk mask; the first row's window sees two white rows in three.
    EXPECT_EQ(At(dst, 10, 4), 0xFF000000u);
    EXPECT_EQ(Red(At(dst, 10, 0)), 170);
    EXPECT_EQ(At(dst, 0, 0), At(dst, 19, 0));
}

TEST(DrawShadow, WhiteMasksAndDegenerateDepthsLeaveThePixels) {
    DrawManager dm;
    const QImage white = Canvas(10, 10, 0xFFFFFFFFu);
    QImage dst = Canvas(10, 10);
    dm.DrawShadow(dst, 0, 0, 10, 10, white, true, 3, 3);
    EXPECT_EQ(dst, Canvas(10, 10));
    dm.DrawShadow(dst, 0, 0, 10, 10, white, true, 0, -4);
    dm.DrawShadow(dst, 0, 0, 10, 10, white, true, 40, 40);  // deeper than the area
    dm.DrawShadow(dst, 0, 0, 0, 10, white, false, 3, 3);
    EXPECT_EQ(dst, Canvas(10, 10));
}

// ---- bitmaps, icons, frames ----

TEST(DrawBitmap, TransparentColourLetsTheDestinationThrough) {
    DrawManager dm;
    QImage bmp(2, 2, QImage::Format_RGB32);
    bmp.fill(0xFFFF00FFu);
    bmp.setPixel(0, 0, 0xFF00FF00u);
    bmp.setPixel(1, 1, 0xFF000000u);
    QImage dc = Canvas(4, 4, 0xFF808080u);
    dm.DrawBitmap(dc, 1, 1, 2, 2, bmp, true, Rgb{255, 0, 255}, 0, false, 0, 0, 0, 0, kBlack);
    EXPECT_EQ(At(dc, 1, 1), 0xFF00FF00u);
    EXPECT_EQ(At(dc, 2, 1), 0xFF808080u);
    EXPECT_EQ(At(dc, 2, 2), 0xFF000000u) << "black is opaque, not a hole";
    EXPECT_EQ(At(dc, 0, 0), 0xFF808080u);
    EXPECT_FALSE(dm.HasAlpha());
}

TEST(DrawBitmap, MaskAndImageReallyCombineBits) {
    DrawManager dm;
    // Grey makes the image channels differ from the source: the OR must not mix in the
    // destination where the mask is black.
    QImage bmp(1, 1, QImage::Format_RGB32);
    bmp.setPixel(0, 0, 0xFF0F0F0Fu);
    QImage dc = Canvas(1, 1, 0xFFF0F0F0u);
    dm.DrawBitmap(dc, 0, 0, 1, 1, bmp, true, Rgb{1, 2, 3}, DrawManager::kEffectDarken, false, 0, 0,
                  0, 0, kBlack);
    EXPECT_EQ(At(dc, 0, 0), 0xFF0B0B0Bu);  // 15 * 0.75 = 11.25
}

TEST(DrawBitmap, StretchesToTheRequestedSize) {
    DrawManager dm;
    QImage bmp(2, 1, QImage::Format_RGB32);
    bmp.setPixel(0, 0, 0xFFFF0000u);
    bmp.setPixel(1, 0, 0xFF0000FFu);
    QImage dc = Canvas(4, 2);
    dm.DrawBitmap(dc, 0, 0, 4, 2, bmp, false, kBlack, 0, false, 0, 0, 0, 0, kBlack);
    EXPECT_EQ(At(dc, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(At(dc, 1, 1), 0xFFFF0000u);
    EXPECT_EQ(At(dc, 2, 0), 0xFF0000FFu);
    EXPECT_EQ(At(dc, 3, 1), 0xFF0000FFu);
}

TEST(DrawBitmap, ImagesWithAlphaAreBlendedPerPixel) {
    DrawManager dm;
    QImage bmp(2, 1, QImage::Format_ARGB32);
    bmp.setPixel(0, 0, 0x00FFFFFFu);
    bmp.setPixel(1, 0, 0xFFFFFFFFu);
    QImage dc = Canvas(2, 1, 0xFF000000u);
    dm.DrawBitmap(dc, 0, 0, 2, 1, bmp, false, kBlack, 0, false, 0, 0, 0, 0, kBlack);
    EXPECT_TRUE(dm.HasAlpha());
    EXPECT_EQ(At(dc, 0, 0), 0xFF000000u);
    EXPECT_EQ(At(dc, 1, 0), 0xFFFFFFFFu);
}

TEST(DrawBitmap, ShadowFlagWithoutShadowBitMovesTheImage) {
    DrawManager dm;
    QImage bmp(1, 1, QImage::Format_RGB32);
    bmp.fill(0xFFFFFFFFu);
    QImage dc = Canvas(6, 6, 0xFF000000u);
    dm.DrawBitmap(dc, 1, 1, 1, 1, bmp, false, kBlack, 0, true, 3, 2, 5, 5, kBlack);
    EXPECT_EQ(At(dc, 1, 1), 0xFF000000u);
    EXPECT_EQ(At(dc, 4, 3), 0xFFFFFFFFu);
}

TEST(DrawBitmap, ShadowBitDarkensAtTheOffsetAndKeepsTheImageInPlace) {
    DrawManager dm;
    QImage bmp(4, 4, QImage::Format_RGB32);
    bmp.fill(0xFF0000FFu);
    QImage dc = Canvas(10, 10, 0xFFFFFFFFu);
    // A hard shadow of colour grey 128: the shape gets the colour in the shadow mask.
    dm.DrawBitmap(dc, 1, 1, 4, 4, bmp, false, kBlack, DrawManager::kEffectHardShadow, true, 3, 3, 0,
                  0, Rgb{128, 128, 128});
    EXPECT_EQ(At(dc, 2, 2), 0xFF0000FFu);
    EXPECT_EQ(At(dc, 6, 6), 0xFF808080u);
    EXPECT_EQ(At(dc, 8, 8), 0xFFFFFFFFu);

    QImage soft = Canvas(12, 12, 0xFFFFFFFFu);
    dm.DrawBitmap(soft, 1, 1, 4, 4, bmp, false, kBlack, DrawManager::kEffectSoftShadow, true, 4, 4,
                  3, 3, kBlack);
    EXPECT_EQ(At(soft, 2, 2), 0xFF0000FFu);
    EXPECT_LT(Red(At(soft, 7, 7)), 255);
    EXPECT_EQ(At(soft, 11, 11), 0xFFFFFFFFu);
}

TEST(DrawBitmap, PicturesThatCannotShowAreSkipped) {
    DrawManager dm;
    QImage bmp(2, 2, QImage::Format_RGB32);
    bmp.fill(0xFFFFFFFFu);
    QImage dc = Canvas(8, 8);
    dm.DrawBitmap(dc, 0, 0, 100000, 100000, bmp, false, kBlack, 0, false, 0, 0, 0, 0, kBlack);
    dm.DrawBitmap(dc, 8, 0, 4, 4, bmp, false, kBlack, 0, false, 0, 0, 0, 0, kBlack);
    dm.DrawIcon(dc, 0, 0, 100000, 100000, Icon::FromImage(bmp), 0, false, 0, 0, 0, 0, kBlack);
    EXPECT_EQ(dc, Canvas(8, 8));
    // Only the shadow's place is on the image: the picture is still drawn there.
    dm.DrawBitmap(dc, -10, -10, 2, 2, bmp, false, kBlack, 0, true, 11, 11, 0, 0, kBlack);
    EXPECT_EQ(At(dc, 1, 1), 0xFFFFFFFFu);
}

Icon TwoByTwoIcon() {
    Icon icon;
    icon.color = QImage(2, 2, QImage::Format_RGB32);
    icon.color.fill(0xFF000000u);
    icon.color.setPixel(0, 0, 0xFFFF0000u);
    icon.color.setPixel(1, 1, 0xFF00FF00u);
    icon.mask = QImage(2, 2, QImage::Format_RGB32);
    icon.mask.fill(0xFFFFFFFFu);
    icon.mask.setPixel(0, 0, 0xFF000000u);
    icon.mask.setPixel(1, 1, 0xFF000000u);
    return icon;
}

TEST(DrawIcon, TheMaskCutsTheIconOut) {
    DrawManager dm;
    QImage dc = Canvas(4, 4, 0xFF808080u);
    dm.DrawIcon(dc, 1, 1, 2, 2, TwoByTwoIcon(), 0, false, 0, 0, 0, 0, kBlack);
    EXPECT_EQ(At(dc, 1, 1), 0xFFFF0000u);
    EXPECT_EQ(At(dc, 2, 2), 0xFF00FF00u);
    EXPECT_EQ(At(dc, 2, 1), 0xFF808080u);
    EXPECT_EQ(At(dc, 1, 2), 0xFF808080u);
}

TEST(DrawIcon, ReplaceColoursTheSilhouette) {
    DrawManager dm;
    QImage dc = Canvas(2, 2, 0xFF808080u);
    dm.DrawIcon(dc, 0, 0, 2, 2, TwoByTwoIcon(), DrawManager::kEffectReplace, false, 0, 0, 0, 0,
                Rgb{0, 0, 255});
    EXPECT_EQ(At(dc, 0, 0), 0xFF0000FFu);
    EXPECT_EQ(At(dc, 1, 1), 0xFF0000FFu);
    EXPECT_EQ(At(dc, 1, 0), 0xFF808080u);
}

TEST(DrawIcon, OtherSizesAreScaledFirst) {
    const Icon scaled = DrawManager::ScaleIcon(TwoByTwoIcon(), 4, 6);
    EXPECT_EQ(DrawManager::GetIconSize(scaled), QSize(4, 6));
    EXPECT_EQ(scaled.mask.size(), QSize(4, 6));
    EXPECT_TRUE(DrawManager::ScaleIcon(TwoByTwoIcon(), 0, 6).IsNull());

    DrawManager dm;
    QImage dc = Canvas(4, 4, 0xFF808080u);
    dm.DrawIcon(dc, 0, 0, 4, 4, TwoByTwoIcon(), 0, false, 0, 0, 0, 0, kBlack);
    EXPECT_EQ(At(dc, 1, 1), 0xFFFF0000u);
    EXPECT_EQ(At(dc, 3, 3), 0xFF00FF00u);
    EXPECT_EQ(At(dc, 3, 0), 0xFF808080u);
}

TEST(DrawIcon, IconsFromImagesBlendTheirAlpha) {
    QImage argb(2, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, 0x00FF0000u);
    argb.setPixel(1, 0, 0xFF00FF00u);
    const Icon icon = Icon::FromImage(argb);
    EXPECT_EQ(icon.mask.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(icon.mask.pixel(1, 0) & 0xFFFFFF, 0u);
    DrawManager dm;
    QImage dc = Canvas(2, 1, 0xFF808080u);
    dm.DrawIcon(dc, 0, 0, 2, 1, icon, 0, false, 0, 0, 0, 0, kBlack);
    EXPECT_EQ(At(dc, 0, 0), 0xFF808080u);
    EXPECT_EQ(At(dc, 1, 0), 0xFF00FF00u);
}

TEST(DrawImageListFrame, FramesAreReadRowByRow) {
    // A 3 x 2 strip of 2 x 2 frames, frame i filled with colour i + 1.
    QImage strip(7, 5, QImage::Format_RGB32);
    strip.fill(0xFFFFFFFFu);
    for (int i = 0; i < 6; ++i) {
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 2; ++x) {
                strip.setPixel(2 * (i % 3) + x, 2 * (i / 3) + y, 0xFF000000u | (i + 1));
            }
        }
    }
    DrawManager dm;
    for (int i = 0; i < 6; ++i) {
        QImage dc = Canvas(2, 2);
        dm.DrawImageListFrame(dc, 0, 0, 2, 2, strip, i, 2, 2, false, kBlack, 0, false, 0, 0, 0, 0,
                              kBlack);
        EXPECT_EQ(At(dc, 1, 1), 0xFF000000u | static_cast<Pixel>(i + 1)) << i;
    }
    for (const auto& [index, fw, fh] : std::vector<std::tuple<int, int, int>>{
             {6, 2, 2}, {-1, 2, 2}, {0, 0, 2}, {0, 2, 0}, {0, 8, 2}}) {
        QImage dc = Canvas(2, 2);
        dm.DrawImageListFrame(dc, 0, 0, 2, 2, strip, index, fw, fh, false, kBlack, 0, false, 0, 0,
                              0, 0, kBlack);
        EXPECT_EQ(dc, Canvas(2, 2)) << index << " " << fw << "x" << fh;
    }
}

// ---- borders and lines ----

constexpr Rgb kLight{255, 255, 0};
constexpr Rgb kDark{0, 0, 255};
constexpr Pixel kL = 0xFFFFFF00u;
constexpr Pixel kD = 0xFF0000FFu;
constexpr Pixel kBg = 0xFF102030u;

TEST(DrawRectBorder, SolidBorderLightTopLeftDarkBottomRight) {
    DrawManager dm;
    QImage dc = Canvas(12, 12);
    dm.DrawRectBorder(dc, QRect(1, 1, 10, 10), kLight, kDark, DrawManager::kStyleSolid, 1);
    EXPECT_EQ(At(dc, 1, 5), kL);
    EXPECT_EQ(At(dc, 5, 1), kL);
    EXPECT_EQ(At(dc, 1, 1), kL);
    EXPECT_EQ(At(dc, 1, 10), kL) << "the light stroke starts at the bottom-left corner";
    EXPECT_EQ(At(dc, 10, 1), kD) << "the dark stroke starts at the top-right corner";
    EXPECT_EQ(At(dc, 10, 5), kD);
    EXPECT_EQ(At(dc, 5, 10), kD);
    EXPECT_EQ(At(dc, 10, 10), kD);
    EXPECT_EQ(At(dc, 2, 2), kBg);
    EXPECT_EQ(At(dc, 0, 0), kBg);
    EXPECT_EQ(At(dc, 11, 11), kBg);
}

TEST(DrawRectBorder, NoneOrNoWidthDrawsNothing) {
    DrawManager dm;
    QImage dc = Canvas(8, 8);
    dm.DrawRectBorder(dc, QRect(0, 0, 8, 8), kLight, kDark, DrawManager::kStyleNone, 3);
    dm.DrawRectBorder(dc, QRect(0, 0, 8, 8), kLight, kDark, DrawManager::kStyleSolid, 0);
    dm.DrawRectBorder(dc, QRect(0, 0, 8, 8), kLight, kDark, DrawManager::kStyleSolid, -2);
    EXPECT_EQ(dc, Canvas(8, 8));
}

TEST(DrawRectBorder, ThickBordersStayInsideTheRectangle) {
    DrawManager dm;
    for (int width : {2, 3}) {
        QImage dc = Canvas(14, 14);
        dm.DrawRectBorder(dc, QRect(1, 1, 12, 12), kLight, kDark, DrawManager::kStyleSolid, width);
        for (int i = 0; i < width; ++i) {
            EXPECT_EQ(At(dc, 1 + i, 6), kL) << width;
            EXPECT_EQ(At(dc, 6, 1 + i), kL) << width;
            EXPECT_EQ(At(dc, 12 - i, 6), kD) << width;
            EXPECT_EQ(At(dc, 6, 12 - i), kD) << width;
        }
        EXPECT_EQ(At(dc, 1 + width, 6), kBg);
        EXPECT_EQ(At(dc, 12 - width, 6), kBg);
        EXPECT_EQ(At(dc, 0, 6), kBg);
        EXPECT_EQ(At(dc, 13, 6), kBg);
        // Corners are painted too.
        EXPECT_NE(At(dc, 1, 1), kBg);
        EXPECT_NE(At(dc, 12, 12), kBg);
        EXPECT_NE(At(dc, 1, 12), kBg);
        EXPECT_NE(At(dc, 12, 1), kBg);
    }
}

TEST(DrawRectBorder, DoubleBorderIsTwoRectanglesTwoPixelsApart) {
    DrawManager dm;
    QImage dc = Canvas(10, 10);
    dm.DrawRectBorder(dc, QRect(0, 0, 10, 10), kLight, kDark, DrawManager::kStyleDouble, 1);
    EXPECT_EQ(At(dc, 0, 5), kL);
    EXPECT_EQ(At(dc, 1, 5), kBg);
    EXPECT_EQ(At(dc, 2, 5), kL);
    EXPECT_EQ(At(dc, 3, 5), kBg);
    EXPECT_EQ(At(dc, 9, 5), kD);
    EXPECT_EQ(At(dc, 8, 5), kBg);
    EXPECT_EQ(At(dc, 7, 5), kD);
    EXPECT_EQ(At(dc, 5, 2), kL);
    EXPECT_EQ(At(dc, 5, 7), kD);
}

TEST(DrawRectBorder, DashedAndDottedBordersHaveGaps) {
    DrawManager dm;
    for (int style : {DrawManager::kStyleDashed, DrawManager::kStyleDotted,
                      DrawManager::kStyleDashDot, DrawManager::kStyleDashDotDot}) {
        QImage dc = Canvas(60, 60);
        dm.DrawRectBorder(dc, QRect(0, 0, 60, 60), kLight, kDark, style, 1);
        int on = 0;
        int off = 0;
        for (int x = 0; x < 60; ++x) {
            (At(dc, x, 0) == kBg ? off : on)++;
        }
        EXPECT_GT(on, 0) << style;
        EXPECT_GT(off, 0) << style;
    }
    QImage dotted = Canvas(20, 20);
    dm.DrawRectBorder(dotted, QRect(0, 0, 20, 20), kLight, kDark, DrawManager::kStyleDotted, 1);
    // The light path walks up the left edge from y = 19; three on, three off.
    EXPECT_EQ(At(dotted, 0, 19), kL);
    EXPECT_EQ(At(dotted, 0, 17), kL);
    EXPECT_EQ(At(dotted, 0, 16), kBg);
    EXPECT_EQ(At(dotted, 0, 13), kL);
}

TEST(DrawLine, SolidLinesExcludeTheirEndPoint) {
    DrawManager dm;
    QImage dc = Canvas(12, 12);
    dm.DrawLine(dc, 1, 5, 10, 5, kLight, DrawManager::kStyleSolid, 1);
    EXPECT_EQ(At(dc, 1, 5), kL);
    EXPECT_EQ(At(dc, 9, 5), kL);
    EXPECT_EQ(At(dc, 10, 5), kBg);
    EXPECT_EQ(At(dc, 5, 4), kBg);
    EXPECT_EQ(At(dc, 5, 6), kBg);

    // A line has no "none" style: its pen is solid, and width 0 is one pixel.
    dm.DrawLine(dc, 1, 8, 4, 8, kLight, DrawManager::kStyleNone, 0);
    EXPECT_EQ(At(dc, 3, 8), kL);

    dm.DrawLine(dc, 3, 0, 3, 4, kDark, DrawManager::kStyleSolid, 3);
    EXPECT_EQ(At(dc, 2, 1), kD);
    EXPECT_EQ(At(dc, 3, 1), kD);
    EXPECT_EQ(At(dc, 4, 1), kD);
    EXPECT_EQ(At(dc, 5, 1), kBg);
}

TEST(DrawLine, DoubleLinesAddAParallelBelowOrRight) {
    DrawManager dm;
    QImage h = Canvas(12, 12);
    dm.DrawLine(h, 0, 3, 10, 3, kLight, DrawManager::kStyleDouble, 1);
    EXPECT_EQ(At(h, 5, 3), kL);
    EXPECT_EQ(At(h, 5, 4), kBg);
    EXPECT_EQ(At(h, 5, 5), kL);
    QImage v = Canvas(12, 12);
    dm.DrawLine(v, 3, 0, 3, 10, kLight, DrawManager::kStyleDouble, 2);
    EXPECT_EQ(At(v, 3, 5), kL);
    EXPECT_EQ(At(v, 7, 5), kL);
    EXPECT_EQ(At(v, 5, 5), kBg);
}

TEST(DrawLine, SlantedLinesReachNearTheirEnd) {
    DrawManager dm;
    QImage dc = Canvas(12, 12);
    dm.DrawLine(dc, 0, 0, 8, 4, kDark, DrawManager::kStyleSolid, 1);
    EXPECT_EQ(At(dc, 0, 0), kD);
    EXPECT_EQ(At(dc, 4, 2), kD);
    EXPECT_EQ(At(dc, 8, 4), kBg);
    dm.DrawLine(dc, -100, -50, 300, 200, kDark, DrawManager::kStyleDashed, 4);
}

// ---- tiles ----

TEST(DrawTileBlit, TilesRepeatAndTheLastOnesAreClipped) {
    QImage src = Canvas(5, 5, 0xFF000000u);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            src.setPixel(1 + x, 1 + y, 0xFF000000u | static_cast<Pixel>(10 * y + x + 1));
        }
    }
    DrawManager dm;
    QImage dc = Canvas(12, 8);
    dm.TileBlit(dc, 1, 1, 8, 5, src, 1, 1, 3, 2);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 1 && x < 9 && y >= 1 && y < 6;
            const Pixel expected =
                inside ? 0xFF000000u | static_cast<Pixel>(10 * ((y - 1) % 2) + (x - 1) % 3 + 1)
                       : kBg;
            ASSERT_EQ(At(dc, x, y), expected) << x << "," << y;
        }
    }
}

TEST(DrawTileBlit, OnePixelTilesStretchAnEdge) {
    QImage src = Canvas(3, 1, 0xFF000000u);
    src.setPixel(1, 0, 0xFFABCDEFu);
    DrawManager dm;
    QImage dc = Canvas(6, 6);
    dm.TileBlit(dc, 0, 2, 6, 3, src, 1, 0, 1, 1);
    EXPECT_EQ(At(dc, 0, 2), 0xFFABCDEFu);
    EXPECT_EQ(At(dc, 5, 4), 0xFFABCDEFu);
    EXPECT_EQ(At(dc, 5, 5), kBg);
    dm.TileBlit(dc, 0, 0, 6, 6, src, 0, 0, 0, 4);
    dm.TileBlit(dc, -10, -10, 100, 100, src, 0, 0, 7, 7);  // tile larger than the source
}

TEST(DrawContext, OtherImageFormatsBecomeArgb32) {
    DrawManager dm;
    QImage dc(4, 4, QImage::Format_RGB888);
    dc.fill(Qt::white);
    dm.FillEffect(dc, 0, QRect(0, 0, 2, 2), Rgb{1, 2, 3}, kBlack, kBlack);
    EXPECT_EQ(dc.format(), QImage::Format_ARGB32);
    EXPECT_EQ(At(dc, 1, 1), 0xFF010203u);
    EXPECT_EQ(At(dc, 3, 3), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace quivlane
