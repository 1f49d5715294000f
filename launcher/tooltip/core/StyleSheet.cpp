#include "launcher/tooltip/core/StyleSheet.h"

#include <algorithm>

#include "launcher/tooltip/core/LengthReader.h"

namespace quivlane {

namespace {

constexpr std::string_view kDefaultStyleSheet =
    "body {font-size: 10pt; color:black; font-family:Verdana}\r\n"
    "p {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
    "h1 {font-size: 15pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
    "h2 {font-size: 13pt; color:#ff9900; font-family:Verdana; font-weight:bold}\r\n"
    "h3 {font-size: 12pt; color:#ff9900; font-family:Arial; font-weight:bold}\r\n"
    "h4 {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
    "h5 {font-size: 9pt; color:#ff9900; font-family:Verdana; font-weight:bold}\r\n"
    "h6 {font-size: 65%; color:#626262; font-family:Verdana; font-weight:normal}\r\n"
    "pre {font-size: 9pt; font-family:\"Courier\"; background-color:#fbedbb}\r\n"
    "code {color:#990000; font-family:Arial}\r\n"
    "a:link {text-decoration:none; color:blue}\r\n"
    "a:hover {text-decoration:underline; color:blue}\r\n"
    "sub {font-size:65%; vertical-align:bottom}\r\n"
    "sup {font-size:65%; vertical-align:top}\r\n"
    "big {font-size:125%}\r\n"
    "small {font-size:75%}\r\n"
    ".cpp-comment {color:green; font-style:italic}\r\n";

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// Lower-cases ASCII only: keywords and selectors are ASCII, and UTF-8 bytes must survive.
std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; });
    return out;
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

StyleSheet::StyleSheet(const SystemColors& systemColors) : colors_(systemColors) {
    SetStyleSheet(std::nullopt);
}

std::string_view StyleSheet::DefaultStyleSheet() {
    return kDefaultStyleSheet;
}

void StyleSheet::SetStyleSheet(std::optional<std::string_view> text) {
    rules_.clear();
    const std::string_view src = text ? *text : kDefaultStyleSheet;
    const std::size_t n = src.size();
    std::size_t pos = 0;
    while (true) {
        while (pos < n && IsSpace(src[pos])) {
            ++pos;
        }
        if (pos >= n) {
            break;
        }
        std::size_t selectorEnd = pos;
        while (selectorEnd < n && !IsSpace(src[selectorEnd]) && src[selectorEnd] != '{') {
            ++selectorEnd;
        }
        const std::size_t open = src.find('{', selectorEnd);
        if (open == std::string_view::npos) {
            break;
        }
        const std::size_t close = src.find('}', open + 1);
        if (close == std::string_view::npos) {
            break;
        }
        rules_[Lower(src.substr(pos, selectorEnd - pos))] =
            Lower(src.substr(open + 1, close - open - 1));
        pos = close + 1;
    }
}

std::optional<std::string> StyleSheet::Rule(std::string_view selector) const {
    const auto it = rules_.find(Lower(selector));
    if (it == rules_.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool StyleSheet::ApplyStyle(std::string_view selector, TextStyle& target,
                            const LengthContext& context) const {
    const auto it = rules_.find(Lower(selector));
    if (it == rules_.end()) {
        return false;
    }
    ApplyDeclarations(it->second, target, context);
    return true;
}

std::vector<std::pair<std::string, std::string>> StyleSheet::ParseDeclarations(
    std::string_view text) {
    std::vector<std::pair<std::string, std::string>> result;
    const std::size_t n = text.size();
    std::size_t pos = 0;
    while (pos < n) {
        while (pos < n && (IsSpace(text[pos]) || text[pos] == ';')) {
            ++pos;
        }
        if (pos >= n) {
            break;
        }
        const std::size_t propertyStart = pos;
        while (pos < n && !IsSpace(text[pos]) && text[pos] != ':' && text[pos] != ';') {
            ++pos;
        }
        std::string property(text.substr(propertyStart, pos - propertyStart));
        while (pos < n && IsSpace(text[pos])) {
            ++pos;
        }
        if (pos >= n || text[pos] != ':') {
            // Not a declaration: drop it up to the next separator.
            const std::size_t semi = text.find(';', pos);
            pos = semi == std::string_view::npos ? n : semi + 1;
            continue;
        }
        ++pos;
        while (pos < n && IsSpace(text[pos])) {
            ++pos;
        }
        std::string value;
        if (pos < n && text[pos] == '"') {
            const std::size_t closing = text.find('"', pos + 1);
            const std::size_t end = closing == std::string_view::npos ? n : closing;
            value.assign(text.substr(pos + 1, end - pos - 1));
            pos = closing == std::string_view::npos ? n : closing + 1;
        } else {
            const std::size_t valueStart = pos;
            while (pos < n && text[pos] != ';' && !IsSpace(text[pos])) {
                ++pos;
            }
            value.assign(text.substr(valueStart, pos - valueStart));
        }
        result.emplace_back(std::move(property), std::move(value));
        const std::size_t semi = text.find(';', pos);
        pos = semi == std::string_view::npos ? n : semi + 1;
    }
    return result;
}

void StyleSheet::ApplyDeclarations(std::string_view declarations, TextStyle& target,
                                   const LengthContext& context) const {
    for (const auto& [property, value] : ParseDeclarations(Lower(declarations))) {
        ApplyProperty(property, value, target, context);
    }
}

int StyleSheet::LengthValue(std::string_view text, int current, bool fontSize,
                            const LengthContext& context) const {
    return LengthReader::LengthValue(text, current, fontSize, context);
}

int StyleSheet::FontWeightValue(std::string_view value, int current) {
    if (value.empty() || value == "normal") {
        return 400;
    }
    if (value == "bold") {
        return 700;
    }
    if (value == "bolder") {
        return 900;
    }
    if (value == "lighter") {
        return 100;
    }
    if (AllDigits(value)) {
        // Only the length matters for range: more than three digits is above 900 anyway.
        const int weight = value.size() > 3 ? 900 : std::stoi(std::string(value));
        return std::clamp(weight, 100, 900);
    }
    return current;
}

int StyleSheet::BorderStyleValue(std::string_view value, int current) {
    if (value == "none") {
        return TextStyle::kBorderNone;
    }
    if (value == "solid") {
        return TextStyle::kBorderSolid;
    }
    if (value == "dashed") {
        return TextStyle::kBorderDashed;
    }
    if (value == "dotted") {
        return TextStyle::kBorderDotted;
    }
    if (value == "double") {
        return TextStyle::kBorderDouble;
    }
    return current;
}

void StyleSheet::ApplyProperty(std::string_view property, std::string_view value, TextStyle& target,
                               const LengthContext& context) const {
    if (property == "font-size") {
        target.fontSize = LengthReader::LengthValue(value, target.fontSize, true, context);
    } else if (property == "font-family") {
        if (!value.empty()) {
            target.face = std::string(value);
        }
    } else if (property == "font-style") {
        if (value.empty() || value == "normal") {
            target.italic = false;
        } else if (value == "italic" || value == "oblique") {
            target.italic = true;
        }
    } else if (property == "font-weight") {
        target.weight = FontWeightValue(value, target.weight);
    } else if (property == "text-align") {
        if (value.empty() || value == "left") {
            target.textAlign = TextStyle::kAlignLeft;
        } else if (value == "center") {
            target.textAlign = TextStyle::kAlignCenter;
        } else if (value == "right") {
            target.textAlign = TextStyle::kAlignRight;
        }
    } else if (property == "text-transform") {
        if (value.empty() || value == "none") {
            target.textTransform = TextStyle::kTransformNone;
        } else if (value == "uppercase") {
            target.textTransform = TextStyle::kTransformUppercase;
        } else if (value == "lowercase") {
            target.textTransform = TextStyle::kTransformLowercase;
        } else if (value == "capitalize") {
            target.textTransform = TextStyle::kTransformCapitalize;
        }
    } else if (property == "color") {
        target.textColor = colors_.ColorValue(value, target.textColor);
    } else if (property == "background-color") {
        // A disabled tip shows no backgrounds of its own.
        if (!colors_.IsEnabled()) {
            return;
        }
        if (value == "transparent") {
            target.backgroundMode = TextStyle::kBackgroundTransparent;
        } else {
            Rgb parsed;
            if (colors_.TryParse(value, parsed)) {
                target.backgroundColor = parsed;
                target.backgroundMode = TextStyle::kBackgroundOpaque;
            }
        }
    } else if (property == "text-decoration") {
        std::size_t pos = 0;
        bool any = false;
        while (pos <= value.size()) {
            const std::size_t end = value.find_first_of(" ,", pos);
            const std::string_view token =
                value.substr(pos, end == std::string_view::npos ? value.npos : end - pos);
            if (token == "none") {
                target.underline = target.strikeout = target.overline = false;
            } else if (token == "underline") {
                target.underline = true;
            } else if (token == "line-through") {
                target.strikeout = true;
            } else if (token == "overline") {
                target.overline = true;
            }
            any = any || !token.empty();
            if (end == std::string_view::npos) {
                break;
            }
            pos = end + 1;
        }
        if (!any) {
            target.underline = target.strikeout = target.overline = false;
        }
    } else if (property == "vertical-align") {
        if (value.empty() || value == "baseline") {
            target.verticalAlign = TextStyle::kVAlignBaseline;
        } else if (value == "middle" || value == "vcenter") {
            target.verticalAlign = TextStyle::kVAlignVCenter;
        } else if (value == "top") {
            target.verticalAlign = TextStyle::kVAlignTop;
        } else if (value == "bottom") {
            target.verticalAlign = TextStyle::kVAlignBottom;
        }
    } else if (property == "border-color") {
        target.borderColorLight = colors_.ColorValue(value, target.borderColorLight);
        target.borderColorDark = colors_.ColorValue(value, target.borderColorDark);
    } else if (property == "border-width" || property == "size") {
        int width = target.borderWidth;
        if (value == "thin") {
            width = LengthReader::LengthValue("75%", width, false, context);
        } else if (value == "thick") {
            width = LengthReader::LengthValue("125%", width, false, context);
        } else if (value != "medium") {
            width = LengthReader::LengthValue(value, width, false, context);
        }
        target.SetBorderWidth(width);
    } else if (property == "border-style") {
        const int style = BorderStyleValue(value, -1);
        if (style >= 0) {
            target.SetBorderStyle(style);
        }
    } else if (property == "margin") {
        target.cellPadding = LengthReader::LengthValue(value, target.cellPadding, false, context);
    } else if (property == "padding") {
        target.cellSpacing = LengthReader::LengthValue(value, target.cellSpacing, false, context);
    }
}

}  // namespace quivlane
