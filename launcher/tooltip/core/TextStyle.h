#pragma once

#include <string>
#include <string_view>

#include "base/Rgb.h"

namespace quivlane {

// The renderer's formatting state. Copies of it are pushed by tags, tables, rows and cells,
// so it stays a plain value. Member initialisers are the values a reset gives.
struct TextStyle {
    static constexpr int kBackgroundTransparent = 1;
    static constexpr int kBackgroundOpaque = 2;

    static constexpr int kEffectTransparent = -1;

    static constexpr int kAlignLeft = 0;
    static constexpr int kAlignCenter = 1;
    static constexpr int kAlignRight = 2;
    static constexpr int kAlignJustify = 3;

    static constexpr int kVAlignTop = 0;
    static constexpr int kVAlignVCenter = 1;
    static constexpr int kVAlignBottom = 2;
    static constexpr int kVAlignBaseline = 3;

    static constexpr int kBorderNone = 0;
    static constexpr int kBorderSolid = 1;
    static constexpr int kBorderDashed = 2;
    static constexpr int kBorderDotted = 3;
    static constexpr int kBorderDouble = 6;

    static constexpr int kTransformNone = 0;
    static constexpr int kTransformUppercase = 1;
    static constexpr int kTransformLowercase = 2;
    static constexpr int kTransformCapitalize = 3;

    static constexpr int kLinkNone = 0;
    static constexpr int kLinkHref = 1;
    static constexpr int kLinkMsg = 2;

    std::string name;
    int fontSize = 16;  // cell height in pixels
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    bool overline = false;
    std::string face = "Verdana";
    Rgb textColor = kBlack;
    Rgb backgroundColor = kWhite;
    Rgb borderColorLight = kBlack;
    Rgb borderColorDark = kBlack;
    Rgb gradientMiddleColor = kWhite;
    Rgb gradientEndColor = kWhite;
    int backgroundMode = kBackgroundTransparent;
    int backgroundEffect = kEffectTransparent;
    std::string backgroundImage;
    int textAlign = kAlignLeft;
    int verticalAlign = kVAlignBaseline;
    int borderStyle = kBorderNone;
    int borderWidth = 0;
    int width = 0;
    int height = 0;
    int textTransform = kTransformNone;
    int cellPadding = 2;
    int cellSpacing = 0;
    int linkKind = kLinkNone;
    std::string linkTarget;

    void Reset() { *this = TextStyle{}; }

    // The run as the text-transform field shows it (UTF-8 in and out).
    std::string TransformText(std::string_view run) const;

    // Border width and style depend on each other: a width of 0 means no border, a visible
    // style needs some width. Style sheets and table attributes both go through these.
    void SetBorderWidth(int newWidth);
    void SetBorderStyle(int newStyle);

    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

}  // namespace quivlane
