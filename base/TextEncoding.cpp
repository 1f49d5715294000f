#include "base/TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace quivlane {

namespace {

// Code points of bytes 0x80-0x9F; 0 for the five the code page leaves unassigned.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

unsigned char Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<unsigned char>(c);
    }
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] != 0 && kWindows1252High[i] == c) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return TextEncoding::kWindows1252Unknown;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

TextEncoding::Utf8Unit TextEncoding::DecodeUtf8(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80) {
        return {lead, 1};
    }
    constexpr Utf8Unit kMalformedByte{kMalformed, 1};
    std::size_t length = 0;
    char32_t min = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        min = 0x80;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        min = 0x800;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        min = 0x10000;
        c = lead & 0x07;
    } else {
        return kMalformedByte;
    }
    if (length > text.size() - at) {
        return kMalformedByte;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80) {
            return kMalformedByte;
        }
        c = (c << 6) | (byte(at + k) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return kMalformedByte;
    }
    return {c, length};
}

void TextEncoding::AppendUtf8(std::string& out, char32_t c) {
    // Written back, a malformed unit is the replacement character.
    if (c > 0x10FFFF) {
        c = 0xFFFD;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool TextEncoding::IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        // Most of a configuration file is ASCII: skip it eight bytes at a time.
        std::uint64_t word = 0;
        if (i + sizeof word <= text.size()) {
            std::memcpy(&word, text.data() + i, sizeof word);
            if ((word & 0x8080808080808080ull) == 0) {
                i += sizeof word;
                continue;
            }
        }
        const Utf8Unit unit = DecodeUtf8(text, i);
        if (!unit.Valid()) {
            return false;
        }
        i += unit.length;
    }
    return true;
}

std::size_t TextEncoding::Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        i += DecodeUtf8(text, i).length;
    }
    return count;
}

std::string_view TextEncoding::FirstUtf8Characters(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < count && i < text.size(); ++n) {
        i += DecodeUtf8(text, i).length;
    }
    return text.substr(0, i);
}

std::string_view TextEncoding::Utf8PrefixWithin(std::string_view text, std::size_t bytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t length = DecodeUtf8(text, end).length;
        if (length > bytes - end) {
            break;
        }
        end += length;
    }
    return text.substr(0, end);
}

std::string TextEncoding::ReplaceInvalidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Unit unit = DecodeUtf8(text, i);
        if (unit.Valid()) {
            out.append(text.substr(i, unit.length));
        } else {
            AppendUtf8(out, unit.codePoint);
        }
        i += unit.length;
    }
    return out;
}

std::string TextEncoding::Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char ch : text) {
        AppendUtf8(out, static_cast<std::uint8_t>(ch));
    }
    return out;
}

std::string TextEncoding::Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char ch : text) {
        const auto byte = static_cast<std::uint8_t>(ch);
        const char32_t high = (byte >= 0x80 && byte < 0xA0) ? kWindows1252High[byte - 0x80] : 0;
        AppendUtf8(out, high != 0 ? high : byte);
    }
    return out;
}

std::string TextEncoding::Utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Unit unit = DecodeUtf8(text, i);
        out +=
            static_cast<char>(unit.Valid() ? Windows1252Byte(unit.codePoint) : kWindows1252Unknown);
        i += unit.length;
    }
    return out;
}

std::string TextEncoding::DeclaredEncoding(std::string_view document) {
    if (document.substr(0, 5) != "<?xml" || document.size() < 6 || !IsXmlSpace(document[5])) {
        return {};
    }
    const auto end = document.find("?>");
    if (end == std::string_view::npos) {
        return {};
    }
    const std::string_view declaration = document.substr(0, end);
    std::size_t at = declaration.find("encoding");
    if (at == std::string_view::npos) {
        return {};
    }
    at += 8;
    while (at < declaration.size() && IsXmlSpace(declaration[at])) {
        ++at;
    }
    if (at >= declaration.size() || declaration[at] != '=') {
        return {};
    }
    ++at;
    while (at < declaration.size() && IsXmlSpace(declaration[at])) {
        ++at;
    }
    if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\'')) {
        return {};
    }
    const char quote = declaration[at];
    const auto close = declaration.find(quote, at + 1);
    if (close == std::string_view::npos) {
        return {};
    }
    std::string name(declaration.substr(at + 1, close - at - 1));
    for (char& c : name) {
        c = AsciiLower(c);
    }
    return name;
}

}  // namespace quivlane
