#pragma once

#include <QImage>
#include <QSize>

#include "base/Rgb.h"
#include "launcher/tooltip/core/HtmlTagTable.h"
#include "launcher/tooltip/core/HtmlToken.h"
#include "launcher/tooltip/core/LengthContext.h"
#include "launcher/tooltip/render/Icon.h"

namespace quivlane {

class HtmlResourceResolver;
class StyleSheet;

// An image tag (bmp, icon, ilst) resolved to its picture, size and effects.
struct HtmlImage {
    HtmlTagCode code = HtmlTagCode::Bitmap;
    QImage bitmap;  // bmp, and the strip of ilst
    Icon icon;
    QSize size;  // as shown, without a shadow
    int frameWidth = 0;
    int frameHeight = 0;
    int frameIndex = 0;
    int frameCount = 0;
    int speed = 0;
    bool useMask = false;
    Rgb mask;
    unsigned effects = 0;
    unsigned hotEffects = 0;
    bool shadow = false;
    bool hotShadow = false;

    bool IsNull() const { return size.isEmpty() || (bitmap.isNull() && icon.IsNull()); }

    static constexpr int kSystemIconSize = 32;
    // Images larger than this are refused: markup sizes are not trusted.
    static constexpr int kMaxSide = 4096;

    static HtmlImage Load(const HtmlToken& tag, HtmlTagCode code,
                          const HtmlResourceResolver& resolver, const StyleSheet& sheet,
                          const LengthContext& lengths);
    // Letters g, d, l, s; shadowSet is false for the shadow letter.
    static unsigned EffectLetters(const std::string& letters, bool& shadow);
};

}  // namespace quivlane
