#include "launcher/tooltip/core/TextStyle.h"

#include "base/TextEncoding.h"

namespace quivlane {

namespace {

// Case pairs are those of the letters Windows-1252 can hold, since the tips were written
// for it; other characters pass unchanged.
char32_t ToUpper(char32_t c) {
    if (c >= U'a' && c <= U'z') {
        return c - 32;
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return c - 32;
    }
    switch (c) {
        case 0xFF:
            return 0x178;
        case 0x153:
            return 0x152;
        case 0x161:
            return 0x160;
        case 0x17E:
            return 0x17D;
        default:
            return c;
    }
}

char32_t ToLower(char32_t c) {
    if (c >= U'A' && c <= U'Z') {
        return c + 32;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return c + 32;
    }
    switch (c) {
        case 0x178:
            return 0xFF;
        case 0x152:
            return 0x153;
        case 0x160:
            return 0x161;
        case 0x17D:
            return 0x17E;
        default:
            return c;
    }
}

// Malformed bytes pass through untouched.
template <typename Map>
std::string MapCase(std::string_view run, Map map) {
    std::string out;
    out.reserve(run.size());
    for (std::size_t i = 0; i < run.size();) {
        const TextEncoding::Utf8Unit unit = TextEncoding::DecodeUtf8(run, i);
        if (unit.Valid()) {
            TextEncoding::AppendUtf8(out, map(unit.codePoint));
        } else {
            out += run[i];
        }
        i += unit.length;
    }
    return out;
}

}  // namespace

std::string TextStyle::TransformText(std::string_view run) const {
    switch (textTransform) {
        case kTransformUppercase:
            return MapCase(run, ToUpper);
        case kTransformLowercase:
            return MapCase(run, ToLower);
        case kTransformCapitalize: {
            std::string out = MapCase(run, ToLower);
            for (std::size_t i = 0; i < out.size(); ++i) {
                if ((i == 0 || out[i - 1] == ' ') && out[i] >= 'a' && out[i] <= 'z') {
                    out[i] = static_cast<char>(out[i] - 32);
                }
            }
            return out;
        }
        default:
            return std::string(run);
    }
}

void TextStyle::SetBorderWidth(int newWidth) {
    borderWidth = newWidth > 0 ? newWidth : 0;
    if (borderWidth == 0) {
        borderStyle = kBorderNone;
    } else if (borderStyle == kBorderNone) {
        borderStyle = kBorderSolid;
    }
}

void TextStyle::SetBorderStyle(int newStyle) {
    borderStyle = newStyle;
    if (borderStyle != kBorderNone && borderWidth == 0) {
        borderWidth = 1;
    }
}

}  // namespace quivlane
